// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace qmb {

// Whether the desktop session starts the program at login, by the XDG
// autostart rules: an entry of the same name in the user's autostart
// directory ($XDG_CONFIG_HOME/autostart) overrides the system's
// ($XDG_CONFIG_DIRS/autostart), and an entry with Hidden=true counts as none.
class AutostartEntry {
public:
    explicit AutostartEntry(QString fileName = QStringLiteral("qmbpro.desktop"));

    bool enabled() const;

    // Off: an entry of the user's that hides the system's. On: the user's
    // entry goes; where no system entry is left to start the program, the
    // user gets one that starts `program`. False when the user's autostart
    // directory cannot be written.
    bool SetEnabled(bool on, const QString& program) const;

    QString userEntryPath() const;

private:
    // The entry the session would read: the user's, else the first system one.
    QString EffectiveEntryPath() const;
    bool WriteUserEntry(const QString& body) const;

    QString fileName_;
};

}  // namespace qmb
