// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/mouse_passwords.h"

#include <algorithm>

namespace qmb::emu {

bool MousePasswordEnrolled(const SettingsMemory& memory) {
    return !memory.IsBlank(kMousePasswordAddress, kRecordSize);
}

bool ShortPasswordSet(const SettingsMemory& memory) {
    return !memory.IsBlank(kShortPasswordAddress, kWriteUnit);
}

bool ShortSignInOffered(const SettingsMemory& memory) {
    return MousePasswordEnrolled(memory) && ShortPasswordSet(memory);
}

bool MousePasswordMatches(const SettingsMemory& memory, std::span<const uint8_t, kRecordSize> usages) {
    return MousePasswordEnrolled(memory) &&
           std::ranges::equal(usages, memory.View(kMousePasswordAddress, kRecordSize));
}

bool ShortPasswordMatches(const SettingsMemory& memory, std::span<const uint8_t, kWriteUnit> usages) {
    return ShortPasswordSet(memory) && std::ranges::equal(usages, memory.View(kShortPasswordAddress, kWriteUnit));
}

void ReplaceMousePassword(SettingsMemory& memory, std::span<const uint8_t, kRecordSize> usages) {
    memory.Store(kMousePasswordAddress, usages);
    if (!MousePasswordEnrolled(memory)) {
        memory.Store(kShortPasswordAddress, Window{});
    }
}

bool ReplaceShortPassword(SettingsMemory& memory, std::span<const uint8_t, kWriteUnit> usages) {
    if (!MousePasswordEnrolled(memory)) {
        return false;
    }
    memory.Store(kShortPasswordAddress, usages);
    return true;
}

}  // namespace qmb::emu
