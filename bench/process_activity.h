// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>

namespace qmb::bench {

// What a process has cost: the context switches of all its threads
// (voluntary and involuntary alike: each one is a wake-up of the processor)
// and their CPU time.
struct Activity {
    long contextSwitches = 0;
    double cpuMilliseconds = 0;
};

// Follows the threads of one running process through /proc. A thread that
// ends keeps the counts of the last sample that saw it, so sample more often
// than threads come and go.
class ActivityMeter {
public:
    explicit ActivityMeter(pid_t pid) : pid_(pid) {}

    void Sample();
    Activity Total() const;

private:
    pid_t pid_;
    std::map<pid_t, Activity> threads_;
};

// What the process costs over `window`, from now.
Activity ActivityOver(pid_t pid, std::chrono::milliseconds window);

}  // namespace qmb::bench
