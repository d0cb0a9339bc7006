// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/hidraw_read.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <optional>

namespace qmb {
namespace {

using Clock = std::chrono::steady_clock;

// The kernel's largest HID report (HID_MAX_BUFFER_SIZE).
constexpr size_t kMaxReportLength = 16384;

// The poll() time-out until `deadline`; -1 (none) without one.
int PollTimeout(const std::optional<Clock::time_point>& deadline)
{
    if (!deadline) {
        return -1;
    }
    const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(*deadline - Clock::now());
    return static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(remaining.count(), 0, INT_MAX));
}

bool Wanted(const InputReportFilter& filter, uint8_t reportId)
{
    return std::binary_search(filter.reportIds.begin(), filter.reportIds.end(), reportId);
}

}  // namespace

ReadResult ReadInputReport(int fd, WakeEvent* wake, const InputReportFilter& filter,
                           std::span<uint8_t> buffer, std::chrono::milliseconds timeout)
{
    std::optional<Clock::time_point> deadline;
    if (timeout != kNoTimeout) {
        deadline = Clock::now() + std::max(timeout, std::chrono::milliseconds{0});
    }
    // One byte more than the largest report, for the id hidraw leaves out.
    std::array<uint8_t, kMaxReportLength + 1> report;
    const size_t idOffset = filter.reportsCarryId ? 0 : 1;
    report[0] = 0;

    for (;;) {
        std::array<pollfd, 2> watched{{{fd, POLLIN, 0}, {wake != nullptr ? wake->fd() : -1, POLLIN, 0}}};
        const nfds_t count = wake != nullptr ? 2 : 1;
        const int ready = poll(watched.data(), count, PollTimeout(deadline));
        if (ready < 0) {
            if (errno == EINTR) {
                continue;
            }
            return {ReadStatus::Failed, 0};
        }
        if (ready == 0) {
            return {ReadStatus::TimedOut, 0};
        }
        const short deviceEvents = watched[0].revents;
        if ((deviceEvents & POLLIN) != 0) {
            const ssize_t got = read(fd, report.data() + idOffset, kMaxReportLength);
            if (got > 0) {
                const size_t length = static_cast<size_t>(got) + idOffset;
                if (Wanted(filter, report[0])) {
                    const size_t copied = std::min(length, buffer.size());
                    std::copy_n(report.begin(), copied, buffer.begin());
                    return {ReadStatus::Ok, copied};
                }
            } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
                return {ReadStatus::Failed, 0};
            }
            // Another collection's report ends no wait, not even one of no
            // time: a read that drains the node must get past it to what
            // is queued behind it. The next poll times out once nothing is
            // left.
            continue;
        }
        if ((deviceEvents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return {ReadStatus::Failed, 0};
        }
        if (wake != nullptr && watched[1].revents != 0) {
            wake->Drain();
            return {ReadStatus::Interrupted, 0};
        }
    }
}

}  // namespace qmb
