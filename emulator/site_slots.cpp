// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/site_slots.h"

#include <algorithm>
#include <array>

namespace qmb::emu {

namespace {

struct SlotFamily {
    SlotKind kind;
    std::span<const uint8_t> addresses;
    size_t entryByte;  // which byte of a site entry names a slot of this kind
};

constexpr std::array<SlotFamily, 2> kFamilies{{
    {SlotKind::Id, kIdSlots, 0},
    {SlotKind::Password, kPasswordSlots, 1},
}};

constexpr const SlotFamily& FamilyOf(SlotKind kind) {
    return kFamilies[static_cast<size_t>(kind)];
}

static_assert(FamilyOf(SlotKind::Id).kind == SlotKind::Id);
static_assert(FamilyOf(SlotKind::Password).kind == SlotKind::Password);

constexpr uint8_t EntryAddress(size_t site) {
    return static_cast<uint8_t>(kSiteEntryBase + site * kSiteEntrySize);
}

void Attach(SettingsMemory& memory, uint8_t entryAddress, SlotKind kind, uint8_t slot) {
    memory.Store(entryAddress + FamilyOf(kind).entryByte, std::array{slot});
}

bool IsAttached(const SettingsMemory& memory, uint8_t slot, SlotKind kind) {
    for (size_t site = 0; site < kSiteCount; ++site) {
        if (SlotOf(memory, EntryAddress(site), kind) == slot) {
            return true;
        }
    }
    return false;
}

uint8_t FirstFreeSlot(const SettingsMemory& memory, SlotKind kind) {
    const std::span<const uint8_t> slots = FamilyOf(kind).addresses;
    const auto free = std::ranges::find_if(slots, [&](uint8_t slot) { return !IsAttached(memory, slot, kind); });
    return free == slots.end() ? 0 : *free;
}

}  // namespace

uint8_t SlotOf(const SettingsMemory& memory, uint8_t entryAddress, SlotKind kind) {
    return memory.bytes()[entryAddress + FamilyOf(kind).entryByte];
}

uint8_t EnrolSlot(SettingsMemory& memory, uint8_t entryAddress, SlotKind kind,
                  std::span<const uint8_t, kRecordSize> usages) {
    uint8_t slot = SlotOf(memory, entryAddress, kind);
    if (slot == 0) {
        slot = FirstFreeSlot(memory, kind);
    }
    if (slot == 0) {
        return 0;
    }
    memory.Store(slot, usages);
    Attach(memory, entryAddress, kind, slot);
    return slot;
}

void DetachBlankSlots(SettingsMemory& memory) {
    for (size_t site = 0; site < kSiteCount; ++site) {
        for (const SlotFamily& family : kFamilies) {
            const uint8_t slot = SlotOf(memory, EntryAddress(site), family.kind);
            if (slot != 0 && memory.IsBlank(slot, kRecordSize)) {
                Attach(memory, EntryAddress(site), family.kind, 0);
            }
        }
    }
}

}  // namespace qmb::emu
