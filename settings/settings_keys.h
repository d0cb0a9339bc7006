// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <string_view>

namespace qmb {

// Key paths keep the registry's names, with '/' where the registry has '\',
// so the settings file reads like the registry to a user who opens it.
inline constexpr std::string_view kUserKey = "SOFTWARE/VELD/QMBPRO";
inline constexpr std::string_view kSiteKey = "SOFTWARE/VELD/QMBPRO/SITE";
inline constexpr std::string_view kTempSiteKey = "SOFTWARE/VELD/QMBPRO/TEMP_SITE";
inline constexpr std::string_view kMachineKey = "SOFTWARE/VELD/QMB_VIZado";

inline constexpr std::string_view kTopMostName = "TopMost";
inline constexpr std::string_view kShowName = "Show";
inline constexpr std::string_view kWindowHandleName = "hexe";
inline constexpr std::string_view kModelName = "Model";

// Site slots 1 to 31 are stored under the value names "1" to "31".
inline constexpr int kSiteSlotCount = 31;

// Every text read from the store fits a buffer of this size, terminator
// included.
inline constexpr std::size_t kTextBufferSize = 100;

}  // namespace qmb
