// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace qmb::settings {

// Gets the user's settings file at path ready to be saved over. QSettings
// saves only what it could read, so a file that does not read cleanly (or
// is too large to read) would lose the rest for good: its original is first
// kept beside it as "<name>.damaged-<UTC time>", which is told once. A file
// that is not a regular file, or cannot be read, is not to be saved over.
// Empty when the save may go ahead; otherwise why not.
QString PrepareForSave(const QString& path);

}  // namespace qmb::settings
