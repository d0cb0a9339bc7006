// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "protocol/secret_usages.h"

namespace qmb {

// Typed characters as the HID keyboard usages the mouse types back.
struct UsagePair {
    uint8_t usage;
    char character;
};

inline constexpr size_t kPasswordTableLength = 62;  // letters and digits
inline constexpr size_t kIdTableLength = 63;        // and "*", for site IDs

inline constexpr std::array<UsagePair, kIdTableLength> UsageTable = [] {
    std::array<UsagePair, kIdTableLength> table{};
    size_t n = 0;
    for (uint8_t i = 0; i < 26; ++i) {
        table[n++] = {static_cast<uint8_t>(0x04 + i), static_cast<char>('a' + i)};
    }
    // Bit 7 stands for Shift.
    for (uint8_t i = 0; i < 26; ++i) {
        table[n++] = {static_cast<uint8_t>(0x84 + i), static_cast<char>('A' + i)};
    }
    for (uint8_t i = 0; i < 9; ++i) {
        table[n++] = {static_cast<uint8_t>(0x1E + i), static_cast<char>('1' + i)};
    }
    table[n++] = {0x27, '0'};
    table[n++] = {0xFE, '*'};
    return table;
}();

// The usage of the first of the table's first `tableLength` pairs that
// matches, or 0.
uint8_t CharToUsage(char character, size_t tableLength);

// Converts typed UTF-8 text into `usages`, zero-padded. False when a
// character has no usage or the text does not fit; `usages` is then all
// zero, so no part of a refused secret stays behind.
bool ConvertToUsages(std::string_view text, size_t tableLength, std::span<uint8_t> usages);

// The same into a secret of its own; none when the text is refused.
template <size_t N>
std::optional<SecretUsages<N>> ToSecretUsages(std::string_view text, size_t tableLength)
{
    std::optional<SecretUsages<N>> secret(std::in_place);
    if (!ConvertToUsages(text, tableLength, secret->bytes())) {
        return std::nullopt;
    }
    return secret;
}

}  // namespace qmb
