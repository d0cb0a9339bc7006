// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string_view>

#include "actions/action_result.h"
#include "protocol/command_reply.h"
#include "protocol/device_session.h"

namespace qmb {

// The two secrets a site has in the mouse.
enum class SiteItem { Id, Password };

// Whether the chosen site has a slot of that kind, as its entry was last
// read: a save then rewrites it rather than enrolling another.
bool SiteHasSlot(const DeviceState& state, SiteItem item);

// A site (0 to 30) chosen in the control box's list: while the mouse is
// signed in it becomes the site the mouse works on, and the state says
// whether the site is complete; signed out, only the sign-in state is
// asked.
ActionResult ChooseSiteInList(DeviceSession& session, int site);

// The tray's site enrolment: the sign-in state, and the site chosen in the
// control box's list, when one is.
ActionResult PrepareSiteEnrolment(DeviceSession& session, std::optional<int> site);

// Makes a site the one the mouse works on; the state says what it has.
ActionResult SelectSite(DeviceSession& session, int site);

// A site chosen to work on: its slot rows, read from its entry.
ActionResult ShowSite(DeviceSession& session, int site);

// As site enrolment opens: the chosen site's slot rows when the last
// selection found an ID or a password; none otherwise.
ActionResult LoadSiteSlots(DeviceSession& session);

// Any site's slot rows, for a listing; the state is left alone.
ActionValue<SiteEntryRows> ReadSiteSlots(DeviceSession& session, int site);

// Saves the chosen site's ID or password, signed in: rewrites the site's
// slot when it has one, has the mouse enrol a free one otherwise. The site
// is selected first, so that what was typed goes to the site it was typed
// for. A password waits for the site's ID (NoIdYet).
ActionResult SaveSiteSecret(DeviceSession& session, SiteItem item, std::string_view text);

// Empties the chosen site's slot of that kind, signed in; NothingToDelete
// when the site has none.
ActionResult DeleteSiteSecret(DeviceSession& session, SiteItem item);

}  // namespace qmb
