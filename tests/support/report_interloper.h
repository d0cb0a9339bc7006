// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <chrono>
#include <thread>

#include "emulator/platform/emulated_platform.h"

namespace qmb::test {

// A program that does not wait for its turn (an older copy of ours, anyone's
// tool): a quarter second from now, in the pause of a two-report write
// begun at once, it sends a report of its own, and the mouse drops the
// first half.
class ReportInterloper {
public:
    explicit ReportInterloper(EmulatedPlatform& mouse)
        : thread_([&mouse] {
              std::this_thread::sleep_for(std::chrono::milliseconds(250));
              const HidHandle handle = mouse.Open(*mouse.InterfaceDetail(1));
              mouse.SetOutputReport(handle, std::array<uint8_t, 9>{8, 0xF5});
              mouse.Close(handle);
          })
    {
    }
    ~ReportInterloper() { thread_.join(); }

private:
    std::thread thread_;
};

}  // namespace qmb::test
