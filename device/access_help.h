// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

#include "device/hid_platform.h"

namespace qmb {

// What a user whose mouse is plugged in, but whose device nodes they may not
// open, is told: why, and the commands (run through sudo) that let them.
struct AccessHelp {
    std::string explanation;
    std::vector<std::string> commands;
};

// `nodes` are the mouse's nodes this user may not open; `ruleDirectories`
// the directories the system's device manager reads its rules from.
AccessHelp AccessHelpFor(const DeviceIdentity& mouse, const std::vector<std::string>& nodes,
                         const std::vector<std::string>& ruleDirectories);
AccessHelp AccessHelpFor(const DeviceIdentity& mouse, const std::vector<std::string>& nodes);

// The rule that gives one mouse's nodes to the user at the seat.
std::string AccessRuleLine(const DeviceIdentity& mouse);

}  // namespace qmb
