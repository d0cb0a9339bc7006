// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

namespace qmb::settings {

// This program's settings files hold a few kilobytes. A much larger one is
// not one it wrote, and reading it whole would cost time and memory for no
// value, so it counts as damaged.
inline constexpr qint64 kMaxSettingsFileSize = qint64{1} << 20;

struct SettingsFile {
    enum class State { Missing, Readable, NotRegular, TooLarge, Unreadable };

    State state = State::Missing;
    // The whole file, when Readable and asked for.
    QByteArray contents;
    // Why the file cannot be used, for every state but Missing and Readable.
    QString trouble;
};

// Looks at the file at path without hanging on it: QSettings would block
// for ever opening a FIFO, and opening a device may do anything. Only a
// regular file of at most kMaxSettingsFileSize is opened and, with
// withContents, read.
SettingsFile CheckSettingsFile(const QString& path, bool withContents);

// The system's words for an errno value.
QString SystemError(int error);

}  // namespace qmb::settings
