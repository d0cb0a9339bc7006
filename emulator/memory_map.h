// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// The mouse's settings memory as its firmware lays it out.
namespace qmb::emu {

inline constexpr size_t kMemorySize = 256;
// Every memory command moves six bytes; twelve-byte records take two.
inline constexpr size_t kWriteUnit = 6;
inline constexpr size_t kRecordSize = 12;

inline constexpr uint8_t kSequenceAddress = 0x29;
inline constexpr uint8_t kMousePasswordAddress = 0x2F;
inline constexpr uint8_t kShortPasswordAddress = 0x3B;
inline constexpr uint8_t kSiteEntryBase = 0xAD;
inline constexpr size_t kSiteCount = 31;
inline constexpr size_t kSiteEntrySize = 2;

inline constexpr std::array<uint8_t, 4> kIdSlots{0x41, 0x4D, 0x59, 0x65};
inline constexpr std::array<uint8_t, 5> kPasswordSlots{0x71, 0x7D, 0x89, 0x95, 0xA1};

enum class Field : uint8_t { FunctionKey, Sequence, MousePassword, ShortPassword, IdSlot, PasswordSlot };

// Who may change a field.
enum class WriteGuard : uint8_t {
    Open,               // anyone
    OwnerOrNoPassword,  // the signed-in owner, or anyone while no mouse password exists
    SignedIn,           // only the signed-in owner
};

struct Region {
    Field field;
    uint8_t first;
    uint8_t size;
    // kWriteUnit: each write stores one record; kRecordSize: a record is
    // written in two halves and changes only when its second half arrives.
    uint8_t recordSize;
    WriteGuard guard;
    bool secret;  // never read back, never echoed
};

// The writable memory, 0x0B..0xAC, in address order.
inline constexpr std::array<Region, 6> kWritableRegions{{
    {Field::FunctionKey, 0x0B, 30, kWriteUnit, WriteGuard::Open, false},
    {Field::Sequence, kSequenceAddress, 6, kWriteUnit, WriteGuard::Open, false},
    {Field::MousePassword, kMousePasswordAddress, 12, kRecordSize, WriteGuard::OwnerOrNoPassword, true},
    {Field::ShortPassword, kShortPasswordAddress, 6, kWriteUnit, WriteGuard::SignedIn, true},
    {Field::IdSlot, kIdSlots.front(), 48, kRecordSize, WriteGuard::SignedIn, true},
    {Field::PasswordSlot, kPasswordSlots.front(), 60, kRecordSize, WriteGuard::SignedIn, true},
}};

constexpr std::optional<Region> RegionAt(size_t address) {
    for (const Region& region : kWritableRegions) {
        if (address >= region.first && address < size_t{region.first} + region.size) {
            return region;
        }
    }
    return std::nullopt;
}

constexpr bool IsSecretAddress(size_t address) {
    const std::optional<Region> region = RegionAt(address);
    return region && region->secret;
}

constexpr bool IsSiteEntryAddress(size_t address) {
    return address >= kSiteEntryBase && address < kSiteEntryBase + kSiteCount * kSiteEntrySize &&
           (address - kSiteEntryBase) % kSiteEntrySize == 0;
}

static_assert(kWritableRegions.back().first + kWritableRegions.back().size == kSiteEntryBase);
static_assert(kSiteEntryBase + kSiteCount * kSiteEntrySize <= kMemorySize);

}  // namespace qmb::emu
