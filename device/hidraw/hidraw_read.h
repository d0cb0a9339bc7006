// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <cstdint>
#include <span>

#include "device/hid_platform.h"
#include "device/wake_event.h"

namespace qmb {

// Which of the reports arriving on a hidraw node the reader wants.
struct InputReportFilter {
    std::span<const uint8_t> reportIds;  // ascending
    // False for a descriptor without report ids: hidraw then delivers the
    // report without its id byte, and the reader puts a 0 in front.
    bool reportsCarryId = true;
};

// Waits until `timeout` (kNoTimeout: as long as it takes) for one input
// report that passes `filter` on the non-blocking `fd` and copies at most
// buffer.size() bytes of it, report id in byte 0. Other reports are dropped;
// the node going away ends the wait with Failed. When `wake` is given, a
// signal on it ends the wait with Interrupted (a report already waiting is
// taken first).
ReadResult ReadInputReport(int fd, WakeEvent* wake, const InputReportFilter& filter,
                           std::span<uint8_t> buffer, std::chrono::milliseconds timeout);

}  // namespace qmb
