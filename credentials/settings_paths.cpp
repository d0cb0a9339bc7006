#include "credentials/settings_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

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

}  // namespace

QString UserSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/VELD/QMBPro.conf");
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
