// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSettings>

#include <functional>

namespace qmb::settings {

// Applies change to the user's settings file and saves it atomically. Saves
// of other processes and threads wait for each other and are never lost.
// False when the file could not be saved.
bool WriteUserSettings(const std::function<void(QSettings&)>& change);

}  // namespace qmb::settings
