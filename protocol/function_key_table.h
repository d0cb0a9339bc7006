#pragma once

#include <array>
#include <cstdint>

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
    {0, FunctionKind::None, 0x00, 0x00, "Default Value"},
    {1, FunctionKind::Keyboard, 0x00, 0x3A, "Help"},
    {2, FunctionKind::Consumer, 0x24, 0x02, "Backward"},
    {3, FunctionKind::Keyboard, 0x01, 0x04, "Select All"},
    {4, FunctionKind::Keyboard, 0x01, 0x3D, "CloseAllWindows"},
    {5, FunctionKind::Keyboard, 0x01, 0x06, "Copy"},
    {6, FunctionKind::Keyboard, 0x01, 0x19, "Paste"},
    {7, FunctionKind::Keyboard, 0x00, 0x3E, "Refresh"},
    {8, FunctionKind::Keyboard, 0x08, 0x00, "Start"},
    {9, FunctionKind::Keyboard, 0x01, 0x1D, "Undo"},
    {10, FunctionKind::Consumer, 0x25, 0x02, "Forward"},
    {11, FunctionKind::Keyboard, 0x01, 0x1B, "Cut"},
    {12, FunctionKind::Keyboard, 0x00, 0x44, "View All"},
    {13, FunctionKind::Keyboard, 0x00, 0x3D, "Activate Address Window"},
    {14, FunctionKind::Keyboard, 0x04, 0x06, "Favorites"},
    {15, FunctionKind::Keyboard, 0x01, 0x07, "AddTo Favorites"},
    {16, FunctionKind::Keyboard, 0x00, 0x43, "Activate File"},
    {17, FunctionKind::Keyboard, 0x00, 0x3C, "Find File"},
    {18, FunctionKind::Keyboard, 0x01, 0x1A, "CloseCurrentWindow"},
    {19, FunctionKind::Consumer, 0xB5, 0x00, "Next Track"},
    {20, FunctionKind::Consumer, 0xB4, 0x00, "Rewind"},
    {21, FunctionKind::Consumer, 0xB3, 0x00, "Fast Forward"},
    {22, FunctionKind::Consumer, 0xE9, 0x00, "IncVolume"},
    {23, FunctionKind::Consumer, 0xEA, 0x00, "DecVolume"},
    {24, FunctionKind::Consumer, 0xE2, 0x00, "Mute"},
    {25, FunctionKind::Consumer, 0xB6, 0x00, "PreTrack"},
    {26, FunctionKind::Consumer, 0xCD, 0x00, "PlayPause"},
    {27, FunctionKind::Consumer, 0xBA, 0x01, "E-Mail"},
    {28, FunctionKind::Consumer, 0x23, 0x02, "Internet"},
    {29, FunctionKind::Consumer, 0x83, 0x01, "MediaPlayer"},
    {30, FunctionKind::Keyboard, 0x00, 0xE0, "Search"},
}};

// The first row whose three bytes equal `functionKey`, or row 0.
int FunctionKeyRowOf(const std::array<uint8_t, 3>& functionKey);

}  // namespace qmb
