// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

// Byte 1 of the output reports the mouse understands, and the fixed answer
// bytes it gives. Byte 1 values 0x0B..0xAC are memory addresses instead.
namespace qmb::emu {

inline constexpr uint8_t kReadMarker = 0xFF;  // byte 2 then names what is read
inline constexpr uint8_t kStatusCode = 0xCA;
inline constexpr uint8_t kButtonMapCode = 0xC5;

inline constexpr uint8_t kTidySiteEntriesCode = 0xAD;
inline constexpr uint8_t kFirstHalfCode = 0xF1;
inline constexpr uint8_t kMousePasswordSignInCode = 0xF2;
inline constexpr uint8_t kEnrolSiteIdCode = 0xF3;
inline constexpr uint8_t kEnrolSitePasswordCode = 0xF4;
inline constexpr uint8_t kSupportCode = 0xF5;
inline constexpr uint8_t kSignOutCode = 0xF6;
inline constexpr uint8_t kEnrolmentQueryCode = 0xF9;  // in byte 2 of a read
inline constexpr uint8_t kLockFlagsCode = 0xFA;
inline constexpr uint8_t kShortPasswordSignInCode = 0xFD;
inline constexpr uint8_t kSelectSiteCode = 0xFE;
inline constexpr uint8_t kSelectSiteOperation = 0x01;  // byte 2 of a site selection

// Byte 1 of the answer to a report the mouse did not take.
inline constexpr uint8_t kRefused = 0x00;
inline constexpr uint8_t kPasswordFunctionsSupported = 0xF0;
inline constexpr uint8_t kYes = 0xFF;

constexpr uint8_t YesIf(bool condition) {
    return condition ? kYes : uint8_t{0};
}

}  // namespace qmb::emu
