// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <deque>
#include <functional>
#include <mutex>

namespace qmb {

// Tasks posted from any thread, run on the thread that owns an event loop:
// its file descriptor becomes readable when tasks wait.
class TaskQueue {
public:
    TaskQueue();
    ~TaskQueue();
    TaskQueue(const TaskQueue&) = delete;
    TaskQueue& operator=(const TaskQueue&) = delete;

    int fd() const { return eventFd_; }
    void Post(std::function<void()> task);
    void RunPending();

private:
    int eventFd_;
    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace qmb
