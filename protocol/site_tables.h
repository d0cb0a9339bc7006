// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace qmb {

// The 31 sites and the entry address of each: site n at 0xAD + 2*(n-1).
struct SiteRow {
    int32_t siteNumber;
    int32_t entryAddress;
};

inline constexpr std::array<SiteRow, 31> SiteTable = [] {
    std::array<SiteRow, 31> table{};
    for (int32_t k = 0; k < 31; ++k) {
        table[static_cast<size_t>(k)] = {k + 1, 0xAD + 2 * k};
    }
    return table;
}();

// The mouse's storage slots; row 0 stands for "not registered" and has no
// slot. Each slot holds 12 usages, in halves at the address and address + 6.
struct SlotRow {
    int32_t row;
    const char* nickname;
    uint8_t address;
};

inline constexpr std::array<SlotRow, 5> IdSlotTable{{
    {0, "등록 안됨", 0x00},
    {1, "별똥별", 0x41},
    {2, "꽃잎", 0x4D},
    {3, "별천지", 0x59},
    {4, "녹차", 0x65},
}};

inline constexpr std::array<SlotRow, 6> PasswordSlotTable{{
    {0, "등록 안됨", 0x00},
    {1, "꽃미남", 0x71},
    {2, "미로", 0x7D},
    {3, "사슴", 0x89},
    {4, "멸치", 0x95},
    {5, "하나", 0xA1},
}};

// The row whose address is `address`; one past the table when none is.
uint8_t IdSlotRowOf(uint8_t address);
uint8_t PasswordSlotRowOf(uint8_t address);

// The slot address of a row that names a real slot (not row 0, not past
// the table).
std::optional<uint8_t> IdSlotAddress(uint8_t row);
std::optional<uint8_t> PasswordSlotAddress(uint8_t row);

// The nickname shown for a row; a row past the table shows row 0's.
const char* IdSlotNickname(uint8_t row);
const char* PasswordSlotNickname(uint8_t row);

}  // namespace qmb
