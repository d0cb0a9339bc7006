// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/settings_reader.h"

#include "settings/settings_file.h"
#include "settings/settings_problems.h"

namespace qmb::settings {

std::unique_ptr<QSettings> ReadSettings(const QString& path)
{
    if (path.isEmpty())
        return nullptr;
    const SettingsFile file = CheckSettingsFile(path, false);
    if (file.state == SettingsFile::State::Missing)
        return nullptr;
    if (file.state != SettingsFile::State::Readable) {
        ReportProblem(Problem::FileSkipped, QStringLiteral("ignoring %1: %2").arg(path, file.trouble));
        return nullptr;
    }
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

}  // namespace qmb::settings
