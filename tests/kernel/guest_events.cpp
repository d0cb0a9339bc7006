// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/kernel/guest_events.h"

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace qmb::test {

GuestEvents::GuestEvents(int output)
    : output_(output), inotify_(inotify_init1(IN_CLOEXEC | IN_NONBLOCK))
{
    // devtmpfs makes and removes the nodes itself, so this sees them even
    // with no udev in the guest.
    inotify_add_watch(inotify_, "/dev", IN_CREATE | IN_DELETE);
}

GuestEvents::~GuestEvents()
{
    close(inotify_);
}

std::optional<GuestEvents::Clock::time_point> GuestEvents::NextLine(std::string_view prefix,
                                                                    Clock::duration limit)
{
    const auto deadline = Clock::now() + limit;
    for (;;) {
        for (; linesTaken_ < lines_.size(); ++linesTaken_) {
            if (lines_[linesTaken_].text.starts_with(prefix)) {
                return lines_[linesTaken_++].at;
            }
        }
        if (!Pump(deadline)) {
            return std::nullopt;
        }
    }
}

std::optional<GuestEvents::Clock::time_point> GuestEvents::NextNode(bool created, Clock::duration limit)
{
    const auto deadline = Clock::now() + limit;
    for (;;) {
        for (; nodesTaken_ < nodes_.size(); ++nodesTaken_) {
            if (nodes_[nodesTaken_].created == created) {
                return nodes_[nodesTaken_++].at;
            }
        }
        if (!Pump(deadline)) {
            return std::nullopt;
        }
    }
}

bool GuestEvents::Pump(Clock::time_point deadline)
{
    const auto remaining = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (remaining <= 0) {
        return false;
    }
    std::array<pollfd, 2> fds{{{output_, POLLIN, 0}, {inotify_, POLLIN, 0}}};
    if (poll(fds.data(), fds.size(), static_cast<int>(std::min<long long>(remaining, INT_MAX))) <= 0) {
        return Clock::now() < deadline;
    }
    const auto now = Clock::now();
    if (fds[0].revents != 0) {
        ReadOutput(now);
    }
    if (fds[1].revents != 0) {
        ReadNodes(now);
    }
    return true;
}

void GuestEvents::ReadOutput(Clock::time_point now)
{
    char chunk[512];
    const ssize_t got = read(output_, chunk, sizeof chunk);
    if (got <= 0) {
        // The program ended: nothing more will come from it.
        output_ = -1;
        return;
    }
    partial_.append(chunk, static_cast<size_t>(got));
    for (size_t end; (end = partial_.find('\n')) != std::string::npos;) {
        lines_.push_back({now, partial_.substr(0, end)});
        partial_.erase(0, end + 1);
    }
}

void GuestEvents::ReadNodes(Clock::time_point now)
{
    alignas(inotify_event) char buffer[4096];
    const ssize_t got = read(inotify_, buffer, sizeof buffer);
    for (ssize_t offset = 0; offset < got;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
        if (event->len > 0 && std::strncmp(event->name, "hidraw", 6) == 0) {
            nodes_.push_back({now, (event->mask & IN_CREATE) != 0});
        }
        offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
    }
}

}  // namespace qmb::test
