// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <string>

#include "actions/mouse_settings.h"

namespace qmb {

// A backup: the mouse's settings, the model they were made on, and the site
// titles the computer keeps for it. Never a secret.
struct Backup {
    int model = 0;
    MouseSettings settings;
    std::array<std::string, SiteTable.size()> titles{};
};

// The backup as a JSON document (the "qmbpro-backup" format, version 1).
QByteArray BackupJson(const Backup& backup);

// A backup file read and checked whole, for a mouse of `model`: the backup,
// or where the first fault is (a JSON path such as "sequence.count") and
// what it is.
struct CheckedBackup {
    std::optional<Backup> backup;
    std::string where;
    std::string fault;
};
CheckedBackup CheckBackup(const QByteArray& json, int model);

// Reads a backup file: a regular file of at most 1 MiB.
CheckedBackup ReadBackupFile(const QString& path, int model);

// Writes the backup in one piece (a new file renamed over the old), readable
// by its owner only; the reason when it could not.
std::optional<std::string> WriteBackupFile(const QString& path, const QByteArray& json);

}  // namespace qmb
