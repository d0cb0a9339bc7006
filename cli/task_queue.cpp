// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/task_queue.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>

namespace qmb {

TaskQueue::TaskQueue() : eventFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

TaskQueue::~TaskQueue()
{
    if (eventFd_ >= 0) {
        close(eventFd_);
    }
}

void TaskQueue::Post(std::function<void()> task)
{
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    const uint64_t one = 1;
    [[maybe_unused]] const auto written = write(eventFd_, &one, sizeof one);
}

void TaskQueue::RunPending()
{
    uint64_t count = 0;
    [[maybe_unused]] const auto drained = read(eventFd_, &count, sizeof count);
    std::deque<std::function<void()>> ready;
    {
        std::lock_guard lock(mutex_);
        ready.swap(tasks_);
    }
    for (auto& task : ready) {
        task();
    }
}

}  // namespace qmb
