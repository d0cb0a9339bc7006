// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/wake_event.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdint>

namespace qmb {

WakeEvent::WakeEvent()
    : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

WakeEvent::~WakeEvent()
{
    if (fd_ >= 0) {
        close(fd_);
    }
}

void WakeEvent::Signal()
{
    const uint64_t one = 1;
    while (write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
    }
}

void WakeEvent::Drain()
{
    uint64_t count = 0;
    while (read(fd_, &count, sizeof count) < 0 && errno == EINTR) {
    }
}

WakeEvent::Waited WakeEvent::Wait(int other, std::optional<std::chrono::milliseconds> timeout) const
{
    const int milliseconds =
        timeout ? static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(timeout->count(), 0, INT_MAX)) : -1;
    std::array<pollfd, 2> watched{{{fd_, POLLIN, 0}, {other, POLLIN, 0}}};
    int ready = 0;
    while ((ready = poll(watched.data(), watched.size(), milliseconds)) < 0 && errno == EINTR) {
    }
    if (ready <= 0) {
        return Waited::TimedOut;
    }
    return watched[0].revents != 0 ? Waited::Signalled : Waited::OtherReady;
}

}  // namespace qmb
