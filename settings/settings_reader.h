// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace qmb::settings {

// The settings of the file at path, for reading; none when the file is
// missing or is not one that may be read (not a regular file, too large,
// unreadable: told once), which reads as no values at all.
std::unique_ptr<QSettings> ReadSettings(const QString& path);

}  // namespace qmb::settings
