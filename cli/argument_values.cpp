// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/argument_values.h"

#include <algorithm>

#include <charconv>

namespace qmb {

std::optional<int> ParseInteger(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<uint8_t>> ParseHexBytes(const std::vector<std::string_view>& words)
{
    std::vector<uint8_t> bytes;
    for (const auto word : words) {
        if (word.empty() || word.size() % 2 != 0) {
            return std::nullopt;
        }
        for (size_t i = 0; i < word.size(); i += 2) {
            uint8_t value = 0;
            const auto [end, error] = std::from_chars(word.data() + i, word.data() + i + 2, value, 16);
            if (error != std::errc() || end != word.data() + i + 2) {
                return std::nullopt;
            }
            bytes.push_back(value);
        }
    }
    return bytes;
}

std::optional<std::map<std::string, std::string>> OptionPairs(const std::vector<std::string>& args, size_t first,
                                                              const std::vector<std::string>& known)
{
    std::map<std::string, std::string> pairs;
    for (size_t i = first; i < args.size(); i += 2) {
        if (std::find(known.begin(), known.end(), args[i]) == known.end() || i + 1 >= args.size() ||
            pairs.contains(args[i])) {
            return std::nullopt;
        }
        pairs[args[i]] = args[i + 1];
    }
    return pairs;
}

}  // namespace qmb
