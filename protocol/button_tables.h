// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "protocol/command_reply.h"
#include "protocol/translatable.h"

namespace qmb {

// The mouse's five buttons, in the order of the button map. Each list
// entry i of a button stands for the mask 1 << i: the button acts as
// button i.
struct ButtonRow {
    const char* name;  // as the button lists show it
    const char* word;  // as qmbctl takes and prints it
};

inline constexpr std::array<ButtonRow, 5> kButtons{{
    {QMB_TRANSLATABLE("ButtonTables", "L.Button"), "left"},
    {QMB_TRANSLATABLE("ButtonTables", "R.Button"), "right"},
    {QMB_TRANSLATABLE("ButtonTables", "Wheel Button"), "wheel"},
    {QMB_TRANSLATABLE("ButtonTables", "4-Button"), "4"},
    {QMB_TRANSLATABLE("ButtonTables", "5-Button"), "5"},
}};

// Every button acting as itself.
inline constexpr ButtonMap kDefaultButtonMap{1, 2, 4, 8, 16};

// The mask a list entry stands for: 1 << entry for entries 0 to 6; 0 for
// anything else, no selection (-1) included.
uint8_t IndexToMask(int index);
// The list entry that shows a mask: 2 -> 1 ... 64 -> 6; 0 for anything
// else, 1 and 0 included. Entries 5 and 6 are past the lists, which then
// show no selection.
int MaskToIndex(uint8_t mask);

// The five inputs that can send a keyboard or media function, in list
// order, and where the mouse keeps each one's function.
struct FunctionInput {
    const char* name;
    const char* word;
    uint8_t address;
};

inline constexpr std::array<FunctionInput, 5> kFunctionInputs{{
    {QMB_TRANSLATABLE("ButtonTables", "R.Button"), "right", 0x0B},
    {QMB_TRANSLATABLE("ButtonTables", "4-Button"), "4", 0x11},
    {QMB_TRANSLATABLE("ButtonTables", "5-Button"), "5", 0x17},
    {QMB_TRANSLATABLE("ButtonTables", "Scroll Up"), "wheel-up", 0x1D},
    {QMB_TRANSLATABLE("ButtonTables", "Scroll Down"), "wheel-down", 0x23},
}};

// The address of an input list entry; 0 for any other entry.
uint8_t FunctionKeyAddress(int entry);

// The button or input a qmbctl word names.
std::optional<int> ButtonByWord(std::string_view word);
std::optional<int> FunctionInputByWord(std::string_view word);

}  // namespace qmb
