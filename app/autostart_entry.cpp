// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/autostart_entry.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextStream>

namespace qmb {

namespace {

QString UserAutostartDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/autostart";
}

// The keys of an entry's [Desktop Entry] group.
QMap<QString, QString> DesktopEntryKeys(const QString& path)
{
    QMap<QString, QString> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return keys;
    }
    QTextStream lines(&file);
    bool inEntry = false;
    for (QString line; lines.readLineInto(&line);) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            inEntry = line == "[Desktop Entry]";
        } else if (inEntry && line.contains('=') && !line.startsWith('#')) {
            const qsizetype equals = line.indexOf('=');
            keys.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
        }
    }
    return keys;
}

// A program path as an Exec key's one argument: quoted where it needs to be,
// then with each backslash doubled, as a desktop entry's strings are read.
QString ExecArgument(QString program)
{
    static const QRegularExpression plain("^[A-Za-z0-9/._+-]+$");
    if (plain.match(program).hasMatch()) {
        return program;
    }
    program.replace('\\', "\\\\").replace('"', "\\\"").replace('`', "\\`").replace('$', "\\$");
    QString quoted = '"' + program + '"';
    return quoted.replace('\\', "\\\\");
}

}  // namespace

AutostartEntry::AutostartEntry(QString fileName) : fileName_(std::move(fileName)) {}

QString AutostartEntry::userEntryPath() const
{
    return UserAutostartDirectory() + "/" + fileName_;
}

QString AutostartEntry::EffectiveEntryPath() const
{
    for (const QString& directory : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        const QString path = directory + "/autostart/" + fileName_;
        if (QFile::exists(path)) {
            return path;
        }
    }
    return {};
}

bool AutostartEntry::enabled() const
{
    const QString path = EffectiveEntryPath();
    if (path.isEmpty()) {
        return false;
    }
    const auto keys = DesktopEntryKeys(path);
    return keys.value("Hidden") != "true" && keys.value("X-GNOME-Autostart-enabled") != "false";
}

bool AutostartEntry::SetEnabled(bool on, const QString& program) const
{
    const QString header = "[Desktop Entry]\nType=Application\nName=QMBPro\n";
    if (!on) {
        return WriteUserEntry(header + "Exec=qmbpro\nHidden=true\n");
    }
    QFile::remove(userEntryPath());
    return enabled() || WriteUserEntry(header + "Exec=" + ExecArgument(program) + "\n");
}

bool AutostartEntry::WriteUserEntry(const QString& body) const
{
    if (!QDir().mkpath(UserAutostartDirectory())) {
        return false;
    }
    QSaveFile file(userEntryPath());
    return file.open(QIODevice::WriteOnly) && file.write(body.toUtf8()) == body.toUtf8().size() && file.commit();
}

}  // namespace qmb
