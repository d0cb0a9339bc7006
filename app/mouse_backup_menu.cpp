// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/mouse_backup_menu.h"

#include <QFileDialog>
#include <QMessageBox>

#include "backup/mouse_backup.h"
#include "protocol/device_session.h"
#include "ui/dialog_framework/watcher_pause.h"
#include "ui/dialogs/result_notice.h"
#include "ui/notice/notice_popup.h"

namespace qmb {

MouseBackupMenu::MouseBackupMenu(DeviceSession& session, DeviceWatcher& watcher, QWidget& parent,
                                 FileChooser chooseFile)
    : session_(session), watcher_(watcher), parent_(parent), chooseFile_(std::move(chooseFile))
{
}

QString MouseBackupMenu::ChooseInFileDialog(QWidget* parent, bool saving)
{
    const QString filter = tr("QMBPro backups (*.json)");
    return saving ? QFileDialog::getSaveFileName(parent, tr("Back up the mouse"), QStringLiteral("qmbpro-backup.json"),
                                                 filter)
                  : QFileDialog::getOpenFileName(parent, tr("Restore the mouse"), QString(), filter);
}

void MouseBackupMenu::BackUp()
{
    const QString path = chooseFile_(&parent_, true);
    if (path.isEmpty()) {
        return;
    }
    const WatcherPause pause(watcher_);
    const auto backup = TakeBackup(session_);
    if (backup.result != ActionResult::Done) {
        ShowResultNotice(backup.result);
        return;
    }
    if (const auto trouble = WriteBackupFile(path, BackupJson(backup.value))) {
        ShowFailureNotice(tr("The backup cannot be written."));
        return;
    }
    ShowNotice(tr("Backed up."), kSignInNoticeColour, kNoticeMilliseconds);
}

void MouseBackupMenu::Restore()
{
    const QString path = chooseFile_(&parent_, false);
    if (path.isEmpty()) {
        return;
    }
    const CheckedBackup checked = ReadBackupFile(path, session_.modelNumber);
    if (!checked.backup) {
        ShowFailureNotice(tr("This backup cannot be used."));
        return;
    }
    const WatcherPause pause(watcher_);
    const auto plan = PlanRestore(session_, *checked.backup);
    if (plan.result != ActionResult::Done) {
        ShowResultNotice(plan.result);
        return;
    }
    if (plan.value.changes.empty()) {
        ShowNotice(tr("Nothing to change."), kSignInNoticeColour, kNoticeMilliseconds);
        return;
    }
    QStringList lines;
    for (const SettingChange& change : plan.value.changes) {
        lines << QString::fromStdString(change.setting + ": " + change.from + " -> " + change.to);
    }
    QMessageBox ask(QMessageBox::Question, tr("Restore the mouse"), tr("Restore these settings to the mouse?"),
                    QMessageBox::Yes | QMessageBox::No, &parent_);
    ask.setInformativeText(lines.join('\n'));
    if (ask.exec() != QMessageBox::Yes) {
        return;
    }
    const auto unkept = qmb::Restore(session_, *checked.backup, plan.value);
    if (unkept.result != ActionResult::Done) {
        ShowResultNotice(unkept.result);
    } else if (!unkept.value.empty()) {
        ShowFailureNotice(tr("The mouse did not keep everything."));
    } else {
        ShowNotice(tr("Restored."), kSignInNoticeColour, kNoticeMilliseconds);
    }
}

}  // namespace qmb
