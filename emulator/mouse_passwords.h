// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <span>

#include "emulator/settings_memory.h"

// The mouse password (twelve usages) and the short password (six), kept in
// the settings memory. An all-zero password is no password.
namespace qmb::emu {

bool MousePasswordEnrolled(const SettingsMemory& memory);
bool ShortPasswordSet(const SettingsMemory& memory);
// Sign-in then asks for the short password rather than the full one.
bool ShortSignInOffered(const SettingsMemory& memory);

bool MousePasswordMatches(const SettingsMemory& memory, std::span<const uint8_t, kRecordSize> usages);
bool ShortPasswordMatches(const SettingsMemory& memory, std::span<const uint8_t, kWriteUnit> usages);

// Removing the mouse password removes the short password with it.
void ReplaceMousePassword(SettingsMemory& memory, std::span<const uint8_t, kRecordSize> usages);
// False, and nothing stored, while no mouse password exists.
bool ReplaceShortPassword(SettingsMemory& memory, std::span<const uint8_t, kWriteUnit> usages);

}  // namespace qmb::emu
