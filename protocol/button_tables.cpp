// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/button_tables.h"

namespace qmb {

namespace {

constexpr int kLastMaskIndex = 6;

template <typename Row, size_t N>
std::optional<int> ByWord(const std::array<Row, N>& table, std::string_view word)
{
    for (size_t i = 0; i < N; ++i) {
        if (word == table[i].word) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

uint8_t IndexToMask(int index)
{
    return index >= 0 && index <= kLastMaskIndex ? static_cast<uint8_t>(1 << index) : 0;
}

int MaskToIndex(uint8_t mask)
{
    for (int index = 1; index <= kLastMaskIndex; ++index) {
        if (mask == IndexToMask(index)) {
            return index;
        }
    }
    return 0;
}

uint8_t FunctionKeyAddress(int entry)
{
    return entry >= 0 && static_cast<size_t>(entry) < kFunctionInputs.size() ? kFunctionInputs[entry].address : 0;
}

std::optional<int> ButtonByWord(std::string_view word)
{
    return ByWord(kButtons, word);
}

std::optional<int> FunctionInputByWord(std::string_view word)
{
    return ByWord(kFunctionInputs, word);
}

}  // namespace qmb
