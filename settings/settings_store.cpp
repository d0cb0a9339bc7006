// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/settings_store.h"

#include <QSettings>

#include "settings/settings_paths.h"
#include "settings/settings_reader.h"
#include "settings/settings_values.h"
#include "settings/settings_writer.h"
#include "settings/text_buffer.h"

namespace qmb {

using settings::ValuePath;

uint32_t ReadUserDword(std::string_view key, std::string_view name)
{
    const QString path = ValuePath(key, name);
    if (path.isEmpty())
        return 0;
    const auto store = settings::ReadSettings(settings::UserSettingsPath());
    return store ? settings::DwordOf(store->value(path)) : 0;
}

int ReadUserString(std::string_view key, std::string_view name, std::string& text)
{
    text.clear();
    const auto store = settings::ReadSettings(settings::UserSettingsPath());
    if (!store || !settings::KeyExists(*store, key))
        return 0;
    const QString path = ValuePath(key, name);
    if (!path.isEmpty())
        text = settings::TextOf(store->value(path));
    return 1;
}

int WriteUserDword(std::string_view key, std::string_view name, uint32_t value)
{
    const QString path = ValuePath(key, name);
    if (path.isEmpty())
        return 0;
    const bool written = settings::WriteUserSettings(
        [&](QSettings& store) { store.setValue(path, value); });
    return written ? 1 : 0;
}

int WriteUserString(std::string_view key, std::string_view name, std::string_view text)
{
    const QString path = ValuePath(key, name);
    if (path.isEmpty())
        return 0;
    const std::string_view stored = settings::UpToTerminator(text);
    const bool written = settings::WriteUserSettings([&](QSettings& store) {
        store.setValue(path, QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size())));
    });
    return written ? 1 : 0;
}

uint32_t ReadMachineDword(std::string_view key, std::string_view name)
{
    const QString file = settings::MachineSettingsPath(key);
    const QString valueName = settings::ValueName(name);
    if (file.isEmpty() || valueName.isEmpty())
        return 0;
    const auto store = settings::ReadSettings(file);
    return store ? settings::DwordOf(store->value(valueName)) : 0;
}

int InstalledModelNumber()
{
    return static_cast<int>(ReadMachineDword(kMachineKey, kModelName));
}

}  // namespace qmb
