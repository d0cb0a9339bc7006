// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/access_notice.h"

#include <QCoreApplication>

#include "device/access_help.h"

namespace qmb {

void AccessNotice::CheckAfterMissing(const HidPlatform& platform, const DeviceIdentity& mouse)
{
    if (told_) {
        return;
    }
    const auto lockedOut = platform.InaccessibleNodes(mouse);
    if (lockedOut.empty()) {
        return;
    }
    told_ = true;
    const AccessHelp help = AccessHelpFor(mouse, lockedOut);
    QString commands;
    for (const std::string& command : help.commands) {
        // A window is narrower than a terminal: a long pipeline goes on on a
        // second line after its "|", where the shell lets it continue.
        commands += QString::fromStdString(command).replace(" | ", " |\n    ").toHtmlEscaped() + "\n";
    }
    const QString headline =
        QCoreApplication::translate("qmb::AccessNotice", "The mouse is plugged in, but QMBPro may not use it.");
    box_ = std::make_unique<QMessageBox>(QMessageBox::Information, "QMBPro", headline, QMessageBox::Close);
    box_->setObjectName("accessHelp");
    box_->setInformativeText(QString::fromStdString(help.explanation).toHtmlEscaped() + "<pre>" + commands + "</pre>");
    box_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box_->setWindowModality(Qt::NonModal);
    box_->show();
}

}  // namespace qmb
