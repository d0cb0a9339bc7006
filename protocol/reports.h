// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "protocol/wipe_secret.h"

namespace qmb {

inline constexpr uint8_t kStatusReportId = 4;
inline constexpr uint8_t kMemoryReportId = 8;
inline constexpr uint8_t kReadMarker = 0xFF;
inline constexpr uint8_t kStatusCode = 0xCA;
inline constexpr uint8_t kButtonMapCode = 0xC5;

// One output report: 8 bytes for report id 4, 9 bytes for report id 8,
// every byte not given zero.
class CommandReport {
public:
    CommandReport(std::initializer_list<uint8_t> head) : CommandReport(head, {}) {}
    CommandReport(std::initializer_list<uint8_t> head, std::span<const uint8_t> data)
    {
        auto out = std::copy(head.begin(), head.end(), bytes_.begin());
        std::copy_n(data.begin(), std::min<size_t>(data.size(), bytes_.end() - out), out);
        length_ = bytes_[0] == kMemoryReportId ? 9 : 8;
    }

    std::span<const uint8_t> bytes() const { return {bytes_.data(), length_}; }
    uint8_t reportId() const { return bytes_[0]; }
    void Wipe() { WipeSecret(bytes_); }

private:
    std::array<uint8_t, 9> bytes_{};
    size_t length_ = 8;
};

// A reply buffer: large enough for either collection's input reports.
using ReplyBuffer = std::array<uint8_t, 9>;

// The fields a StatusReport carries, and the one rule that reads them.
struct StatusFields {
    uint8_t mode = 0;
    uint8_t resolution = 0;
    uint8_t reportInterval = 0;
    int32_t autoClickOn = 0;
    int32_t siteModeOn = 0;
    uint8_t autoClickTarget = 0;

    // Bytes 2..6 of `report`; bytes the report lacks read as 0.
    static StatusFields Decode(std::span<const uint8_t> report)
    {
        const auto at = [&](size_t i) -> uint8_t { return i < report.size() ? report[i] : 0; };
        const uint8_t flags = at(6);
        return {at(2), at(3), at(4), (flags >> 7) & 1, (flags >> 6) & 1, static_cast<uint8_t>(flags & 7)};
    }

    bool operator==(const StatusFields&) const = default;
};

// Whether an input report is a StatusReport: byte 1 tells, whatever the
// report id.
inline bool IsStatusReport(std::span<const uint8_t> report)
{
    return report.size() > 1 && report[1] == kStatusCode;
}

}  // namespace qmb
