// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>

#include "actions/action_result.h"
#include "protocol/device_session.h"
#include "protocol/device_state.h"

namespace qmb {

// What a status write changes; everything else stays as the mouse last
// said it.
struct StatusChange {
    std::optional<Mode> mode{};
    std::optional<uint8_t> resolution{};
    std::optional<uint8_t> reportInterval{};
    std::optional<bool> autoClickOn{};
    std::optional<bool> siteModeOn{};
    std::optional<uint8_t> autoClickTarget{};
};

// The mouse's state, into the session's. NoAnswer when what came back
// was no state.
ActionResult ReadStatus(DeviceSession& session);

// Reads the mouse's state when the session has never had it; Done when it
// has it now. Every action that writes the state starts with it, so that
// what the user did not change goes back as the mouse holds it, not as
// zeros.
ActionResult EnsureStatusKnown(DeviceSession& session);

// Writes the mouse's state with `change` made. A state never read is read
// first, and when it cannot be, nothing is written: the mouse would be
// sent zeros for everything the user did not change. The change is kept in
// the session's state either way.
ActionResult ChangeStatus(DeviceSession& session, const StatusChange& change);

// A mode button. Button mode's reply is the mouse's new state when it is
// a StatusReport.
ActionResult ApplyModeButton(DeviceSession& session, Mode mode);

// A profile entry sets resolution and interval together, from the model's
// presets; an entry that has none writes the state as it is.
ActionResult ChooseProfile(DeviceSession& session, int entry);

// The mode button editing leaves the mouse in: a mode never read counts as
// function mode from then on.
Mode SettleEditedMode(DeviceSession& session);

}  // namespace qmb
