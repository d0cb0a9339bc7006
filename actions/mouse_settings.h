// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <string>
#include <vector>

#include "actions/action_result.h"
#include "protocol/command_reply.h"
#include "protocol/device_session.h"
#include "protocol/reports.h"
#include "protocol/site_tables.h"

namespace qmb {

// Whether a site has an ID and a password in the mouse: what a backup tells
// of them. The secrets themselves are never read.
struct SiteSecrets {
    bool id = false;
    bool password = false;

    bool operator==(const SiteSecrets&) const = default;
};

// Everything the mouse holds that is not a secret.
struct MouseSettings {
    StatusFields status;
    ButtonMap buttonMap{};
    std::array<FunctionKey, 5> functionKeys{};
    SequenceRecord sequence;
    std::array<SiteSecrets, SiteTable.size()> sites{};

    bool operator==(const MouseSettings&) const = default;
};

// Reads it all from the mouse; the session's state takes what it read.
ActionValue<MouseSettings> ReadMouseSettings(DeviceSession& session);

// One setting a restore changes, as a user reads it.
struct SettingChange {
    std::string setting;  // "resolution", "button left", "function wheel-down", ...
    std::string from;
    std::string to;
};

// What a restore of `wanted` over `now` changes, in the order it sends them.
// Web-site mode is the mouse's own (a restore never signs in or out), and a
// model without a 4th and 5th button keeps theirs.
std::vector<SettingChange> SettingChanges(int modelNumber, const MouseSettings& now, const MouseSettings& wanted);

// Sends what differs, in the order the mouse's settings are always written:
// the button map, the function keys, the sequence, then the state.
ActionResult RestoreMouseSettings(DeviceSession& session, const MouseSettings& now, const MouseSettings& wanted);

}  // namespace qmb
