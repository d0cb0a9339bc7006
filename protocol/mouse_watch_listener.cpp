// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/mouse_watch_listener.h"

#include <algorithm>
#include <array>

#include "protocol/reports.h"

namespace qmb {

namespace {

constexpr std::array<uint8_t, 5> kResetPattern{0x01, 0x03, 0x01, 0x00, 0x01};  // bytes 2..6

bool IsResetPattern(std::span<const uint8_t> report)
{
    return report.size() >= 2 + kResetPattern.size() &&
           std::equal(kResetPattern.begin(), kResetPattern.end(), report.begin() + 2);
}

bool IsPolledStatus(std::span<const uint8_t> report)
{
    return !report.empty() && report[0] == kStatusReportId && IsStatusReport(report);
}

PolledStatus PolledStatusOf(std::span<const uint8_t> report)
{
    const auto fields = StatusFields::Decode(report);
    return {fields.mode, fields.resolution, fields.reportInterval, fields.autoClickOn, fields.siteModeOn};
}

}  // namespace

void MouseWatchListener::OnReportPolled(std::span<const uint8_t> report)
{
    if (!IsPolledStatus(report)) {
        return;
    }
    OnStatusPolled(PolledStatusOf(report));
    if (IsResetPattern(report)) {
        OnDeviceReset(report);
    }
    OnDeviceStateChanged();
}

void MouseWatchListener::OnReplyOverheard(std::span<const uint8_t> report)
{
    if (!IsPolledStatus(report)) {
        return;
    }
    OnStatusPolled(PolledStatusOf(report));
    OnStateOverheard();
}

}  // namespace qmb
