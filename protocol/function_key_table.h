// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "protocol/translatable.h"

namespace qmb {

enum class FunctionKind : uint8_t { None = 0, Keyboard = 1, Consumer = 2 };

// One keyboard or media function a mouse input can send. Keyboard: `a` is
// the modifier bits, `b` the usage. Consumer: the 16-bit usage, low byte in
// `a`.
struct FunctionKeyRow {
    int32_t row;
    FunctionKind kind;
    uint8_t a;
    uint8_t b;
    const char* name;
};

inline constexpr std::array<FunctionKeyRow, 31> FunctionKeyTable{{
    {0, FunctionKind::None, 0x00, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "Default Value")},
    {1, FunctionKind::Keyboard, 0x00, 0x3A, QMB_TRANSLATABLE("FunctionKeyTable", "Help")},
    {2, FunctionKind::Consumer, 0x24, 0x02, QMB_TRANSLATABLE("FunctionKeyTable", "Backward")},
    {3, FunctionKind::Keyboard, 0x01, 0x04, QMB_TRANSLATABLE("FunctionKeyTable", "Select All")},
    {4, FunctionKind::Keyboard, 0x01, 0x3D, QMB_TRANSLATABLE("FunctionKeyTable", "CloseAllWindows")},
    {5, FunctionKind::Keyboard, 0x01, 0x06, QMB_TRANSLATABLE("FunctionKeyTable", "Copy")},
    {6, FunctionKind::Keyboard, 0x01, 0x19, QMB_TRANSLATABLE("FunctionKeyTable", "Paste")},
    {7, FunctionKind::Keyboard, 0x00, 0x3E, QMB_TRANSLATABLE("FunctionKeyTable", "Refresh")},
    {8, FunctionKind::Keyboard, 0x08, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "Start")},
    {9, FunctionKind::Keyboard, 0x01, 0x1D, QMB_TRANSLATABLE("FunctionKeyTable", "Undo")},
    {10, FunctionKind::Consumer, 0x25, 0x02, QMB_TRANSLATABLE("FunctionKeyTable", "Forward")},
    {11, FunctionKind::Keyboard, 0x01, 0x1B, QMB_TRANSLATABLE("FunctionKeyTable", "Cut")},
    {12, FunctionKind::Keyboard, 0x00, 0x44, QMB_TRANSLATABLE("FunctionKeyTable", "View All")},
    {13, FunctionKind::Keyboard, 0x00, 0x3D, QMB_TRANSLATABLE("FunctionKeyTable", "Activate Address Window")},
    {14, FunctionKind::Keyboard, 0x04, 0x06, QMB_TRANSLATABLE("FunctionKeyTable", "Favorites")},
    {15, FunctionKind::Keyboard, 0x01, 0x07, QMB_TRANSLATABLE("FunctionKeyTable", "AddTo Favorites")},
    {16, FunctionKind::Keyboard, 0x00, 0x43, QMB_TRANSLATABLE("FunctionKeyTable", "Activate File")},
    {17, FunctionKind::Keyboard, 0x00, 0x3C, QMB_TRANSLATABLE("FunctionKeyTable", "Find File")},
    {18, FunctionKind::Keyboard, 0x01, 0x1A, QMB_TRANSLATABLE("FunctionKeyTable", "CloseCurrentWindow")},
    {19, FunctionKind::Consumer, 0xB5, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "Next Track")},
    {20, FunctionKind::Consumer, 0xB4, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "Rewind")},
    {21, FunctionKind::Consumer, 0xB3, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "Fast Forward")},
    {22, FunctionKind::Consumer, 0xE9, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "IncVolume")},
    {23, FunctionKind::Consumer, 0xEA, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "DecVolume")},
    {24, FunctionKind::Consumer, 0xE2, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "Mute")},
    {25, FunctionKind::Consumer, 0xB6, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "PreTrack")},
    {26, FunctionKind::Consumer, 0xCD, 0x00, QMB_TRANSLATABLE("FunctionKeyTable", "PlayPause")},
    {27, FunctionKind::Consumer, 0xBA, 0x01, QMB_TRANSLATABLE("FunctionKeyTable", "E-Mail")},
    {28, FunctionKind::Consumer, 0x23, 0x02, QMB_TRANSLATABLE("FunctionKeyTable", "Internet")},
    {29, FunctionKind::Consumer, 0x83, 0x01, QMB_TRANSLATABLE("FunctionKeyTable", "MediaPlayer")},
    {30, FunctionKind::Keyboard, 0x00, 0xE0, QMB_TRANSLATABLE("FunctionKeyTable", "Search")},
}};

// The first row whose three bytes equal `functionKey`, or row 0.
int FunctionKeyRowOf(const std::array<uint8_t, 3>& functionKey);
// The first row whose bytes equal `functionKey`; none when no row does.
std::optional<int> FunctionKeyRowMatching(const std::array<uint8_t, 3>& functionKey);
// The row a qmbctl word names: its number (0 to 30) or its English name,
// letter case and blanks aside ("copy", "next track", "NextTrack").
std::optional<int> FunctionKeyRowNamed(std::string_view word);
// The row's three bytes: kind, A, B.
std::array<uint8_t, 3> FunctionKeyBytes(const FunctionKeyRow& row);

}  // namespace qmb
