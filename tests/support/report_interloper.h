// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "emulator/platform/emulated_platform.h"

namespace qmb::test {

// A program that does not wait for its turn (an older copy of ours, anyone's
// tool): once the mouse has had `after` reports of ours, it sends one of
// its own, which makes the mouse drop a held first half.
class ReportInterloper {
public:
    ReportInterloper(EmulatedPlatform& mouse, int after) : mouse_(mouse)
    {
        mouse_.SetSendObserver([this, after] {
            std::lock_guard lock(mutex_);
            if (++seen_ == after) {
                due_.notify_all();
            }
        });
        thread_ = std::thread([this, after] {
            std::unique_lock lock(mutex_);
            due_.wait(lock, [&] { return seen_ >= after || ended_; });
            if (ended_) {
                return;
            }
            lock.unlock();
            const HidHandle handle = mouse_.Open(*mouse_.InterfaceDetail(1));
            const std::array<uint8_t, 9> support{8, 0xF5, 0, 0, 0, 0, 0, 0, 0};
            mouse_.SetOutputReport(handle, support);
            mouse_.Close(handle);
        });
    }
    ~ReportInterloper()
    {
        {
            std::lock_guard lock(mutex_);
            ended_ = true;
        }
        due_.notify_all();
        thread_.join();
        mouse_.SetSendObserver({});
    }

private:
    EmulatedPlatform& mouse_;
    std::mutex mutex_;
    std::condition_variable due_;
    int seen_ = 0;
    bool ended_ = false;
    std::thread thread_;
};

}  // namespace qmb::test
