// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <utility>
#include <vector>

#include "actions/mouse_settings.h"
#include "backup/backup_file.h"

namespace qmb {

// A backup of the mouse as it is now, with the titles this computer keeps.
ActionValue<Backup> TakeBackup(DeviceSession& session);

// What a restore of a backup would do to this mouse and this computer.
struct RestorePlan {
    MouseSettings now;
    // The mouse's settings, then the site titles.
    std::vector<SettingChange> changes;
    // Sites whose ID or password the backup knew of and this mouse lacks: a
    // restore brings back no secret.
    std::vector<std::pair<size_t, SiteSecrets>> secretsNotHere;
};
ActionValue<RestorePlan> PlanRestore(DeviceSession& session, const Backup& backup);

// Carries the plan out: the mouse's settings, then the titles. The value
// is what the mouse, asked again, did not keep.
ActionValue<std::vector<SettingChange>> Restore(DeviceSession& session, const Backup& backup, const RestorePlan& plan);

}  // namespace qmb
