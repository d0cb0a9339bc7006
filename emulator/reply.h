// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qmb::emu {

using Report = std::vector<uint8_t>;

inline constexpr uint8_t kShortReportId = 4;  // status and button map, 8 bytes
inline constexpr uint8_t kLongReportId = 8;   // memory and the special codes, 9 bytes

constexpr size_t ReportLength(uint8_t reportId) {
    return reportId == kLongReportId ? 9 : 8;
}

// reportId, code, then `data` from byte 2, zero-filled to the report's
// length; the last byte always stays 0.
Report MakeReply(uint8_t reportId, uint8_t code, std::span<const uint8_t> data = {});

}  // namespace qmb::emu
