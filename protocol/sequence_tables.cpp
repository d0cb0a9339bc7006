// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/sequence_tables.h"

namespace qmb {

std::optional<int> EntryOfValue(std::span<const NamedValue> values, uint8_t value)
{
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i].value == value) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<uint8_t> ValueOfWord(std::span<const NamedValue> values, std::string_view word)
{
    for (const auto& named : values) {
        if (word == named.word) {
            return named.value;
        }
    }
    return std::nullopt;
}

const char* WordOfValue(std::span<const NamedValue> values, uint8_t value)
{
    const auto entry = EntryOfValue(values, value);
    return entry ? values[static_cast<size_t>(*entry)].word : nullptr;
}

}  // namespace qmb
