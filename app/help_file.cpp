// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/help_file.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace qmb {

namespace {

const QString kHelpFileName = "QMB_VIZado.chm";

QString InstalledHelp()
{
    const QString shared = QStandardPaths::locate(QStandardPaths::GenericDataLocation, "qmbpro/" + kHelpFileName);
    if (!shared.isEmpty()) {
        return shared;
    }
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath("../share/qmbpro/" + kHelpFileName);
    return QFile::exists(besideProgram) ? QDir::cleanPath(besideProgram) : QString();
}

// The bundled manual as a file of its own: the desktop cannot open a page
// inside the program.
QString WrittenOutManual(Language language)
{
    const QString name = ForLanguage(language, QStringLiteral("manual_en.html"), QStringLiteral("manual_ko.html"));
    const QString directory = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (directory.isEmpty() || !QDir().mkpath(directory)) {
        return {};
    }
    const QString target = QDir(directory).filePath(name);
    QFile source(":/help/" + name);
    QFile written(target);
    if (!source.open(QIODevice::ReadOnly) || !written.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return {};
    }
    written.write(source.readAll());
    return target;
}

}  // namespace

QUrl HelpUrl(Language language)
{
    const QString installed = InstalledHelp();
    if (!installed.isEmpty()) {
        return QUrl::fromLocalFile(installed);
    }
    const QString manual = WrittenOutManual(language);
    return manual.isEmpty() ? QUrl() : QUrl::fromLocalFile(manual);
}

bool OpenHelp(Language language)
{
    const QUrl url = HelpUrl(language);
    return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace qmb
