// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "bench/process_activity.h"

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

namespace qmb::bench {

namespace {

long SwitchesOf(const std::string& task)
{
    std::ifstream status(task + "/status");
    long switches = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("voluntary_ctxt_switches:") || line.starts_with("nonvoluntary_ctxt_switches:")) {
            switches += std::atol(line.c_str() + line.find(':') + 1);
        }
    }
    return switches;
}

// schedstat counts nanoseconds; stat only clock ticks, too coarse for a
// thread that wakes a few times a minute, so it is the fallback.
double CpuMillisecondsOf(const std::string& task)
{
    std::ifstream schedstat(task + "/schedstat");
    unsigned long long nanoseconds = 0;
    if (schedstat >> nanoseconds) {
        return static_cast<double>(nanoseconds) / 1e6;
    }
    std::ifstream stat(task + "/stat");
    const std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos) {
        return 0;
    }
    // Fields from the state (the third) on; utime and stime are the 14th and 15th.
    std::istringstream fields(text.substr(nameEnd + 2));
    std::string field;
    long ticks = 0;
    for (int index = 3; index <= 15 && fields >> field; ++index) {
        if (index >= 14) {
            ticks += std::atol(field.c_str());
        }
    }
    return static_cast<double>(ticks) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

}  // namespace

void ActivityMeter::Sample()
{
    const std::string tasks = "/proc/" + std::to_string(pid_) + "/task";
    DIR* directory = opendir(tasks.c_str());
    if (directory == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(directory)) {
        const pid_t thread = std::atoi(entry->d_name);
        if (thread <= 0) {
            continue;
        }
        const std::string task = tasks + "/" + entry->d_name;
        threads_[thread] = Activity{SwitchesOf(task), CpuMillisecondsOf(task)};
    }
    closedir(directory);
}

Activity ActivityMeter::Total() const
{
    Activity total;
    for (const auto& [thread, activity] : threads_) {
        total.contextSwitches += activity.contextSwitches;
        total.cpuMilliseconds += activity.cpuMilliseconds;
    }
    return total;
}

Activity ActivityOver(pid_t pid, std::chrono::milliseconds window)
{
    using namespace std::chrono_literals;
    ActivityMeter meter(pid);
    meter.Sample();
    const Activity before = meter.Total();
    const auto end = std::chrono::steady_clock::now() + window;
    // Reading /proc wakes only this process, never the one measured.
    while (std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_until(std::min(end, std::chrono::steady_clock::now() + 500ms));
        meter.Sample();
    }
    const Activity after = meter.Total();
    return {after.contextSwitches - before.contextSwitches, after.cpuMilliseconds - before.cpuMilliseconds};
}

}  // namespace qmb::bench
