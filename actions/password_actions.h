// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string_view>

#include "actions/action_result.h"
#include "protocol/device_session.h"

namespace qmb {

// Whether a mouse password exists and, only when one does, how the mouse
// is locked (whether a sign-in asks for the short password, whether a
// short password exists, whether it is signed in), into the session's
// state.
ActionResult ReadLockState(DeviceSession& session);

// The web-site box's first step: whether the mouse has its password and
// site functions (NotSupported when it does not say so), then its lock
// state.
ActionResult CheckSiteFunctions(DeviceSession& session);

// A sign-in asks for the short password once one exists.
bool SignInAsksShortPassword(const DeviceState& state);

// The mouse's password and what the user typed again. The mouse takes a
// new one from anyone while it has none, otherwise only once signed in;
// the state must know which (ReadLockState).
ActionResult SetMousePassword(DeviceSession& session, std::string_view password, std::string_view again);

// The short password, set or deleted while signed in.
ActionResult SetShortPassword(DeviceSession& session, std::string_view shortPassword);
ActionResult DeleteShortPassword(DeviceSession& session);

// Signs in with the password the mouse asks for (the state must know which:
// ReadLockState); WrongPassword when it says no.
ActionResult SignIn(DeviceSession& session, std::string_view password);

ActionResult SignOut(DeviceSession& session);

}  // namespace qmb
