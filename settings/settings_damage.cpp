// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/settings_damage.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>

#include <filesystem>
#include <system_error>

#include "settings/ini_syntax.h"
#include "settings/settings_file.h"
#include "settings/settings_problems.h"

namespace qmb::settings {
namespace {

namespace fs = std::filesystem;

enum class Keep { Copy, Move };

// Two damaged files within one second each keep their own copy.
constexpr int kMaxCopiesPerSecond = 100;

bool ReadsCleanly(const QString& path, const QByteArray& contents)
{
    if (!EveryLineUnderstood(contents))
        return false;
    QSettings settings(path, QSettings::IniFormat);
    settings.allKeys();
    return settings.status() != QSettings::FormatError;
}

fs::path FsPath(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

// Names sort by time; UTC, so that they also sort across a change of the
// clocks.
QString CopyName(const QString& path, int copy)
{
    QString name = path + QStringLiteral(".damaged-")
                   + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    if (copy > 1)
        name += u'-' + QString::number(copy);
    return name;
}

// A too large file is moved rather than copied: a copy might not even fit
// on the disk.
QString KeepOriginal(const QString& path, Keep keep)
{
    for (int copy = 1; copy <= kMaxCopiesPerSecond; ++copy) {
        const QString kept = CopyName(path, copy);
        std::error_code error;
        if (fs::exists(FsPath(kept), error))
            continue;
        if (keep == Keep::Copy)
            fs::copy_file(FsPath(path), FsPath(kept), error);
        else
            fs::rename(FsPath(path), FsPath(kept), error);
        if (error)
            return QStringLiteral("cannot keep a copy of the damaged file: %1").arg(QString::fromStdString(error.message()));
        ReportProblem(Problem::DamagedFileKept,
                      QStringLiteral("%1 was damaged; the original is kept as %2").arg(path, kept));
        return {};
    }
    return QStringLiteral("cannot keep a copy of the damaged file: too many copies");
}

}  // namespace

QString PrepareForSave(const QString& path)
{
    const SettingsFile file = CheckSettingsFile(path, true);
    switch (file.state) {
    case SettingsFile::State::Missing:
        return {};
    case SettingsFile::State::Readable:
        return ReadsCleanly(path, file.contents) ? QString() : KeepOriginal(path, Keep::Copy);
    case SettingsFile::State::TooLarge:
        return KeepOriginal(path, Keep::Move);
    case SettingsFile::State::NotRegular:
    case SettingsFile::State::Unreadable:
        break;
    }
    return file.trouble;
}

}  // namespace qmb::settings
