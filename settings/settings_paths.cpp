// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/settings_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace qmb::settings {
namespace {

constexpr std::string_view kMachineRoot = "SOFTWARE/";

QStringList MachineConfigDirs()
{
    QStringList dirs;
    const QStringList listed =
        qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts);
    // Relative entries are invalid in the XDG base directory rules.
    for (const QString& dir : listed) {
        if (QDir::isAbsolutePath(dir))
            dirs.append(dir);
    }
    if (dirs.isEmpty())
        dirs.append(QStringLiteral("/etc/xdg"));
    return dirs;
}

// Absolute, and not the root directory: nothing is ever created at "/",
// which is where a missing home would put it.
bool IsUsableBase(const QString& dir)
{
    return dir.startsWith(u'/') && QDir::cleanPath(dir) != QStringLiteral("/");
}

QString PasswordDatabaseHome()
{
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<std::size_t>(suggested) : 4096);
    passwd entry{};
    passwd* found = nullptr;
    while (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE)
        buffer.resize(buffer.size() * 2);
    return found ? QFile::decodeName(found->pw_dir) : QString();
}

// $HOME as every program takes it; where it is unset or relative (cron,
// su, env -i), the home the password database gives the user.
QString HomeDirectory()
{
    const QString home = qEnvironmentVariable("HOME");
    return home.startsWith(u'/') ? home : PasswordDatabaseHome();
}

// $XDG_CONFIG_HOME, or ~/.config; relative values are invalid in the XDG base
// directory rules.
QString ConfigHome()
{
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (IsUsableBase(configured))
        return configured;
    const QString home = HomeDirectory();
    return IsUsableBase(home) ? home + QStringLiteral("/.config") : QString();
}

}  // namespace

QString UserSettingsPath()
{
    const QString base = ConfigHome();
    return base.isEmpty() ? QString() : base + QStringLiteral("/VELD/QMBPro.conf");
}

QString MachineSettingsPath(std::string_view key)
{
    if (!key.starts_with(kMachineRoot) || key.size() == kMachineRoot.size())
        return {};
    const QString relative =
        QString::fromUtf8(key.substr(kMachineRoot.size())) + QStringLiteral(".conf");
    for (const QString& dir : MachineConfigDirs()) {
        const QString path = dir + u'/' + relative;
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

}  // namespace qmb::settings
