// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "backup/mouse_backup.h"

#include <algorithm>

#include "settings/site_titles.h"

namespace qmb {

namespace {

std::array<std::string, SiteTable.size()> TitlesHere()
{
    std::array<std::string, SiteTable.size()> titles{};
    if (const auto stored = LoadSiteTitles()) {
        std::copy_n(stored->begin(), std::min(stored->size(), titles.size()), titles.begin());
    }
    return titles;
}

}  // namespace

ActionValue<Backup> TakeBackup(DeviceSession& session)
{
    const auto read = ReadMouseSettings(session);
    return {read.result, {session.modelNumber, read.value, TitlesHere()}};
}

ActionValue<RestorePlan> PlanRestore(DeviceSession& session, const Backup& backup)
{
    const auto now = ReadMouseSettings(session);
    ActionValue<RestorePlan> plan{now.result, {now.value, {}, {}}};
    if (now.result != ActionResult::Done) {
        return plan;
    }
    const MouseSettings& wanted = backup.settings;
    plan.value.changes = SettingChanges(session.modelNumber, now.value, wanted);
    const auto titles = TitlesHere();
    for (size_t i = 0; i < SiteTable.size(); ++i) {
        if (titles[i] != backup.titles[i]) {
            plan.value.changes.push_back({"site " + std::to_string(i + 1) + " title", titles[i], backup.titles[i]});
        }
        const SiteSecrets lacking{wanted.sites[i].id && !now.value.sites[i].id,
                                  wanted.sites[i].password && !now.value.sites[i].password};
        if (lacking.id || lacking.password) {
            plan.value.secretsNotHere.emplace_back(i, lacking);
        }
    }
    return plan;
}

ActionValue<std::vector<SettingChange>> Restore(DeviceSession& session, const Backup& backup, const RestorePlan& plan)
{
    const ActionResult sent = RestoreMouseSettings(session, plan.now, backup.settings);
    if (sent != ActionResult::Done) {
        return {sent, {}};
    }
    const auto titles = TitlesHere();
    for (size_t i = 0; i < SiteTable.size(); ++i) {
        if (titles[i] != backup.titles[i]) {
            StoreSiteTitle(static_cast<int>(i), backup.titles[i]);
        }
    }
    // What the mouse kept is what it says when asked again.
    const auto after = ReadMouseSettings(session);
    return {after.result, SettingChanges(session.modelNumber, after.value, backup.settings)};
}

}  // namespace qmb
