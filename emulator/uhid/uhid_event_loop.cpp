// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/uhid_event_loop.h"

#include <poll.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "emulator/uhid/uhid_device.h"

namespace qmb::emu {

UhidEventLoop::UhidEventLoop(int fd, UhidMouse& mouse) : fd_(fd), mouse_(mouse) {
    // Without its wake-up descriptors the thread could never be stopped.
    if (valid()) {
        thread_ = std::thread([this] { Serve(); });
    }
}

UhidEventLoop::~UhidEventLoop() {
    if (thread_.joinable()) {
        stop_.Signal();
        thread_.join();
    }
}

bool UhidEventLoop::Apply(const Action& action) {
    std::lock_guard lock(mouseMutex_);
    return Write(action(mouse_));
}

bool UhidEventLoop::Write(const std::vector<UhidAnswer>& answers) {
    for (const auto& answer : answers) {
        if (const int error = WriteUhidEvent(fd_, EncodeUhidAnswer(answer)); error != 0) {
            std::fprintf(stderr, "qmb-virtual-mouse: writing to uhid failed: %s\n", std::strerror(error));
            return false;
        }
    }
    return true;
}

void UhidEventLoop::Serve() {
    uhid_event event;
    for (;;) {
        std::array<pollfd, 2> fds{{{fd_, POLLIN, 0}, {stop_.fd(), POLLIN, 0}}};
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (fds[1].revents != 0) {
            return;
        }
        if ((fds[0].revents & POLLIN) == 0) {
            break;
        }
        const ssize_t got = read(fd_, &event, sizeof event);
        if (got < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        const auto request = DecodeUhidEvent({reinterpret_cast<const uint8_t*>(&event), static_cast<size_t>(got)});
        if (request && !Apply([&request](UhidMouse& mouse) { return mouse.Handle(*request); })) {
            break;
        }
    }
    ended_.Signal();
}

}  // namespace qmb::emu
