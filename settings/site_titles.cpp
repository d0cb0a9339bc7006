// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/site_titles.h"

#include <QSettings>
#include <QString>

#include <string>
#include <utility>

#include "settings/settings_keys.h"
#include "settings/settings_paths.h"
#include "settings/settings_reader.h"
#include "settings/settings_store.h"
#include "settings/settings_values.h"
#include "settings/settings_writer.h"
#include "settings/text_buffer.h"

namespace qmb {
namespace {

QString SlotPath(std::string_view key, int slot)
{
    return settings::ValuePath(key, std::to_string(slot));
}

// All titles under key from one reading of the file, so that a save of
// another process cannot leave a mix of old and new titles.
std::optional<std::vector<std::string>> ReadSlotTitles(std::string_view key)
{
    const auto store = settings::ReadSettings(settings::UserSettingsPath());
    if (!store || !settings::KeyExists(*store, key))
        return std::nullopt;
    std::vector<std::string> titles;
    titles.reserve(kSiteSlotCount);
    for (int slot = 1; slot <= kSiteSlotCount; ++slot)
        titles.push_back(settings::TextOf(store->value(SlotPath(key, slot))));
    return titles;
}

void WriteSlotTitles(std::string_view key, const std::vector<std::string>& titles)
{
    settings::WriteUserSettings([&](QSettings& store) {
        for (int slot = 1; slot <= kSiteSlotCount; ++slot)
            store.setValue(SlotPath(key, slot), QString::fromStdString(titles[slot - 1]));
    });
}

}  // namespace

std::optional<std::vector<std::string>> LoadSiteTitles()
{
    return ReadSlotTitles(kSiteKey);
}

int StoreSiteTitle(int siteIndex, std::string_view title)
{
    if (siteIndex < 0 || siteIndex >= kSiteSlotCount)
        return 0;
    return WriteUserString(kSiteKey, std::to_string(siteIndex + 1), settings::FitTextBuffer(title));
}

void SaveProfile()
{
    if (const auto titles = ReadSlotTitles(kSiteKey))
        WriteSlotTitles(kTempSiteKey, *titles);
}

std::vector<std::string> ReadProfile()
{
    auto titles = ReadSlotTitles(kTempSiteKey);
    if (!titles)
        return {};
    WriteSlotTitles(kSiteKey, *titles);
    return std::move(*titles);
}

}  // namespace qmb
