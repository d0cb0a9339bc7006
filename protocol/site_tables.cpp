// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/site_tables.h"

#include <span>

namespace qmb {

namespace {

uint8_t RowOf(std::span<const SlotRow> table, uint8_t address)
{
    for (const auto& slot : table) {
        if (slot.address == address) {
            return static_cast<uint8_t>(slot.row);
        }
    }
    return static_cast<uint8_t>(table.size());
}

std::optional<uint8_t> AddressOf(std::span<const SlotRow> table, uint8_t row)
{
    if (row == 0 || row >= table.size()) {
        return std::nullopt;
    }
    return table[row].address;
}

const char* NicknameOf(std::span<const SlotRow> table, uint8_t row)
{
    return row < table.size() ? table[row].nickname : table[0].nickname;
}

}  // namespace

uint8_t IdSlotRowOf(uint8_t address)
{
    return RowOf(IdSlotTable, address);
}

uint8_t PasswordSlotRowOf(uint8_t address)
{
    return RowOf(PasswordSlotTable, address);
}

std::optional<uint8_t> IdSlotAddress(uint8_t row)
{
    return AddressOf(IdSlotTable, row);
}

std::optional<uint8_t> PasswordSlotAddress(uint8_t row)
{
    return AddressOf(PasswordSlotTable, row);
}

const char* IdSlotNickname(uint8_t row)
{
    return NicknameOf(IdSlotTable, row);
}

const char* PasswordSlotNickname(uint8_t row)
{
    return NicknameOf(PasswordSlotTable, row);
}

}  // namespace qmb
