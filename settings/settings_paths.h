// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <string_view>

namespace qmb::settings {

// $XDG_CONFIG_HOME/VELD/QMBPro.conf, else ~/.config/VELD/QMBPro.conf. Empty
// when there is no home to keep it in.
QString UserSettingsPath();

// The file standing for a machine key: SOFTWARE/<rest> is <rest>.conf in the
// first directory of $XDG_CONFIG_DIRS that holds one. Empty when none does.
QString MachineSettingsPath(std::string_view key);

}  // namespace qmb::settings
