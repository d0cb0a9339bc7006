// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace qmb {

// The auto-click settings' values, as the sequence dialog lists them and
// qmbctl names them.
struct NamedValue {
    uint8_t value;
    const char* word;
};

// The button that clicks by itself, in list order.
inline constexpr std::array<NamedValue, 3> kAutoClickTargets{{{1, "right"}, {2, "4"}, {4, "5"}}};
// The button the clicks are made as, in list order.
inline constexpr std::array<NamedValue, 2> kApplyButtons{{{1, "left"}, {2, "right"}}};
// How a sequence starts and stops, in the order of the dialog's choices.
inline constexpr std::array<NamedValue, 3> kSequenceStyles{{{1, "continue-value"}, {2, "toggle"}, {4, "continue"}}};

// The values a list offers, entry 0 being the first.
struct ValueRange {
    uint8_t first;
    uint8_t last;

    int EntryOf(uint8_t value) const { return value >= first && value <= last ? value - first : -1; }
    // Entry -1, no selection, gives first - 1, as the mouse has always been
    // sent it.
    uint8_t ValueOf(int entry) const { return static_cast<uint8_t>(first + entry); }
    bool Holds(int value) const { return value >= first && value <= last; }
};

inline constexpr ValueRange kRunCounts{1, 50};
inline constexpr ValueRange kClickTimes{1, 50};
inline constexpr ValueRange kRunCycles{2, 49};

// The entry of a value in a list of named values; none when it has none.
std::optional<int> EntryOfValue(std::span<const NamedValue> values, uint8_t value);
// The value a qmbctl word names.
std::optional<uint8_t> ValueOfWord(std::span<const NamedValue> values, std::string_view word);
// The word of a value, or none.
const char* WordOfValue(std::span<const NamedValue> values, uint8_t value);

}  // namespace qmb
