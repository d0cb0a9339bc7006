// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>

namespace qmb {

// Where the mouse keeps each setting, as the report-id-8 commands address
// it, and the special codes those commands carry in byte 1.
inline constexpr uint8_t kSequenceAddress = 0x29;
inline constexpr uint8_t kPasswordFirstHalf = 0x2F;
inline constexpr uint8_t kPasswordSecondHalf = 0x35;
inline constexpr uint8_t kShortPasswordAddress = 0x3B;
inline constexpr uint8_t kFirstSiteEntry = 0xAD;
// Passwords, the short password and the ID and password slots lie
// between these, both included: nothing there may be shown.
inline constexpr uint8_t kFirstSecretAddress = kPasswordFirstHalf;
inline constexpr uint8_t kLastSecretAddress = kFirstSiteEntry - 1;
// Every write and every read of memory moves this many bytes.
inline constexpr uint8_t kMemoryUnit = 6;

inline constexpr uint8_t kFirstHalfCode = 0xF1;
inline constexpr uint8_t kSignInCode = 0xF2;
inline constexpr uint8_t kEnrollIdCode = 0xF3;
inline constexpr uint8_t kEnrollPasswordCode = 0xF4;
inline constexpr uint8_t kSupportCode = 0xF5;
inline constexpr uint8_t kSignOutCode = 0xF6;
inline constexpr uint8_t kEnrolmentQuery = 0xF9;
inline constexpr uint8_t kLockFlagsCode = 0xFA;
inline constexpr uint8_t kShortSignInCode = 0xFD;
inline constexpr uint8_t kSelectSiteCode = 0xFE;
// The codes whose data bytes are a typed secret.
inline constexpr std::array<uint8_t, 5> kSecretCodes{kFirstHalfCode, kSignInCode, kEnrollIdCode,
                                                     kEnrollPasswordCode, kShortSignInCode};

}  // namespace qmb
