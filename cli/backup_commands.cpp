// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QJsonArray>
#include <QJsonObject>

#include <string>

#include "backup/backup_file.h"
#include "backup/mouse_backup.h"
#include "cli/ctl_session.h"
#include "cli/json_text.h"

namespace qmb {

int CtlSession::Backup(const std::vector<std::string>& args)
{
    if (args.size() > 2) {
        return Usage("backup takes a file, or - for standard output");
    }
    const bool toOutput = args.size() == 1 || args[1] == "-";
    // In a script, standard output carries every command's answer.
    if (toOutput && scriptLine_) {
        return Usage("backup: in a script, give it a file");
    }
    const auto backup = TakeBackup(session_);
    if (const auto failed = Failed(backup.result)) {
        return *failed;
    }
    const QByteArray json = BackupJson(backup.value);
    if (toOutput) {
        out_ << json.toStdString();
        return kExitOk;
    }
    if (const auto trouble = WriteBackupFile(QString::fromStdString(args[1]), json)) {
        err_ << "qmbctl: backup: cannot write the file: " << *trouble << "\n";
        return kExitOutputFailed;
    }
    out_ << "backed up to " << args[1] << "\n";
    return kExitOk;
}

int CtlSession::Restore(const std::vector<std::string>& args)
{
    bool dryRun = false;
    bool json = false;
    std::optional<std::string> path;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--dry-run" && !dryRun) {
            dryRun = true;
        } else if (args[i] == "--json" && !json) {
            json = true;
        } else if (!path && !args[i].starts_with("--")) {
            path = args[i];
        } else {
            return Usage("restore takes a file, --dry-run and --json");
        }
    }
    if (!path) {
        return Usage("restore: which file?");
    }
    // The whole file is checked before the mouse is asked anything.
    const CheckedBackup checked = ReadBackupFile(QString::fromStdString(*path), session_.modelNumber);
    if (!checked.backup) {
        return Usage("restore" + Quoted(*path) + ": " + (checked.where.empty() ? "" : checked.where + " ") +
                     checked.fault);
    }
    const auto plan = PlanRestore(session_, *checked.backup);
    if (const auto failed = Failed(plan.result)) {
        return *failed;
    }
    const auto& changes = plan.value.changes;
    if (json) {
        QJsonArray list;
        for (const SettingChange& change : changes) {
            list.append(QJsonObject{{"setting", QString::fromStdString(change.setting)},
                                    {"from", QString::fromStdString(change.from)},
                                    {"to", QString::fromStdString(change.to)}});
        }
        QJsonArray missing;
        for (const auto& [site, lacking] : plan.value.secretsNotHere) {
            missing.append(QJsonObject{{"site", static_cast<int>(site + 1)}, {"id", lacking.id},
                                       {"password", lacking.password}});
        }
        out_ << JsonLine(QJsonObject{{"changes", list}, {"secretsNotInThisMouse", missing}, {"dryRun", dryRun}});
    } else {
        for (const SettingChange& change : changes) {
            out_ << change.setting << ": " << change.from << " -> " << change.to << "\n";
        }
        if (changes.empty()) {
            out_ << "nothing to change\n";
        }
        for (const auto& [site, lacking] : plan.value.secretsNotHere) {
            out_ << "site " << site + 1 << ": the backup knew of "
                 << (lacking.id && lacking.password ? "an ID and a password" : lacking.id ? "an ID" : "a password")
                 << " this mouse lacks; enrol again to have them\n";
        }
    }
    if (dryRun) {
        return kExitOk;
    }
    const auto unkept = qmb::Restore(session_, *checked.backup, plan.value);
    if (const auto failed = Failed(unkept.result)) {
        return *failed;
    }
    for (const SettingChange& change : unkept.value) {
        err_ << "qmbctl: the mouse did not keep " << change.setting << ": it holds " << change.from << "\n";
    }
    return unkept.value.empty() ? kExitOk : kExitNoMouse;
}

}  // namespace qmb
