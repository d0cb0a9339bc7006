// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <condition_variable>
#include <algorithm>
#include <deque>
#include <functional>
#include <mutex>

namespace qmb::test {

// Stands in for the window's thread: tasks posted from other threads run
// only while the test thread spins this loop.
class TaskLoop {
public:
    void Post(std::function<void()> task)
    {
        {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
        }
        posted_.notify_all();
    }

    // Runs tasks until `done` holds or the time is up; true when it held.
    // `done` is looked at after every task and every few milliseconds.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds limit)
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            std::unique_lock lock(mutex_);
            posted_.wait_until(lock, std::min(deadline, std::chrono::steady_clock::now() + kLookAgain),
                               [this] { return !tasks_.empty(); });
            while (!tasks_.empty()) {
                auto task = std::move(tasks_.front());
                tasks_.pop_front();
                lock.unlock();
                task();
                lock.lock();
            }
            lock.unlock();
            if (done()) {
                return true;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                return false;
            }
        }
    }

    void RunFor(std::chrono::milliseconds duration)
    {
        RunUntil([] { return false; }, duration);
    }

private:
    static constexpr std::chrono::milliseconds kLookAgain{5};

    std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace qmb::test
