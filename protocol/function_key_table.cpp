// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/function_key_table.h"

#include <cctype>
#include <charconv>
#include <string>

namespace qmb {

namespace {

// Lower-case letters and digits only: how names compare, so that "Next
// Track", "nexttrack" and "NEXT-TRACK" are one.
std::string Folded(std::string_view text)
{
    std::string folded;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return folded;
}

}  // namespace

std::array<uint8_t, 3> FunctionKeyBytes(const FunctionKeyRow& row)
{
    return {static_cast<uint8_t>(row.kind), row.a, row.b};
}

std::optional<int> FunctionKeyRowMatching(const std::array<uint8_t, 3>& functionKey)
{
    for (const auto& row : FunctionKeyTable) {
        if (FunctionKeyBytes(row) == functionKey) {
            return row.row;
        }
    }
    return std::nullopt;
}

int FunctionKeyRowOf(const std::array<uint8_t, 3>& functionKey)
{
    return FunctionKeyRowMatching(functionKey).value_or(0);
}

std::optional<int> FunctionKeyRowNamed(std::string_view word)
{
    int number = -1;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), number);
    if (error == std::errc() && end == word.data() + word.size()) {
        if (number >= 0 && static_cast<size_t>(number) < FunctionKeyTable.size()) {
            return number;
        }
        return std::nullopt;
    }
    const std::string wanted = Folded(word);
    if (wanted.empty()) {
        return std::nullopt;
    }
    for (const auto& row : FunctionKeyTable) {
        if (Folded(row.name) == wanted) {
            return row.row;
        }
    }
    // "default" for row 0, as its name reads "Default Value".
    if (wanted == "default") {
        return 0;
    }
    return std::nullopt;
}

}  // namespace qmb
