// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <span>

#include "emulator/settings_memory.h"

// The ID and password slots and the 31 site entries that name them. Only
// the mouse writes the entries: a slot is attached when it is enrolled for a
// site and detached once it has been blanked. An `entryAddress` here is
// always one of the 31 site entries.
namespace qmb::emu {

enum class SlotKind : uint8_t { Id, Password };

// Address of the slot the site at `entryAddress` uses, 0 for none.
uint8_t SlotOf(const SettingsMemory& memory, uint8_t entryAddress, SlotKind kind);

// Stores the usages for the site at `entryAddress`: in the slot it already
// has, else in the first slot no site uses. Returns the slot address, or 0
// when no slot is free.
uint8_t EnrolSlot(SettingsMemory& memory, uint8_t entryAddress, SlotKind kind,
                  std::span<const uint8_t, kRecordSize> usages);

void DetachBlankSlots(SettingsMemory& memory);

}  // namespace qmb::emu
