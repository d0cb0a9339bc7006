// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qmb {

// A whole decimal integer, nothing more.
std::optional<int> ParseInteger(std::string_view text);

// Hex bytes given as one or more words ("04 ff ca", "04FFCA"); none when a
// word has an odd number of digits or a non-hex character.
std::optional<std::vector<uint8_t>> ParseHexBytes(const std::vector<std::string_view>& words);

// "--name value" pairs from args[first] on; none when an option is not one
// of `known`, is repeated or lacks its value.
std::optional<std::map<std::string, std::string>> OptionPairs(const std::vector<std::string>& args, size_t first,
                                                              const std::vector<std::string>& known);

}  // namespace qmb
