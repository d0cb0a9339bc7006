// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "device/wake_event.h"
#include "emulator/uhid/uhid_mouse.h"

namespace qmb::emu {

// Serves the mouse on a uhid descriptor from a thread of its own: reads each
// event the kernel sends, lets the mouse answer and writes the answers back.
// Buttons pressed on the mouse from other threads go through Apply, so an
// answer is never split by, or reordered with, another.
class UhidEventLoop {
public:
    using Action = std::function<std::vector<UhidAnswer>(UhidMouse& mouse)>;

    // `fd` (not owned) and `mouse` must outlive the loop.
    UhidEventLoop(int fd, UhidMouse& mouse);
    // Stops the thread and waits for it.
    ~UhidEventLoop();
    UhidEventLoop(const UhidEventLoop&) = delete;
    UhidEventLoop& operator=(const UhidEventLoop&) = delete;

    // False when the loop could not start (no eventfd).
    bool valid() const { return stop_.valid() && ended_.valid(); }

    // Runs `action` on the mouse between two events and writes what it
    // answers. False when an answer could not be written.
    bool Apply(const Action& action);

    // Readable once the thread has ended on its own because the descriptor
    // failed; the device is gone then.
    int endedFd() const { return ended_.fd(); }

private:
    void Serve();
    bool Write(const std::vector<UhidAnswer>& answers);

    int fd_;
    UhidMouse& mouse_;
    std::mutex mouseMutex_;
    WakeEvent stop_;
    WakeEvent ended_;
    std::thread thread_;
};

}  // namespace qmb::emu
