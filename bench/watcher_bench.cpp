// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// How much the watcher costs and how fast it sees the mouse arrive.
//
//   watcher_bench [seconds]   (default 60)
//
// Prints the CPU time `qmbctl watch` takes over that many seconds with the
// demo mouse present and with no mouse at all, then the delay from plugging
// the demo mouse in to the detection, with and without a USB notice.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/device_watcher.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/model_table.h"
#include "protocol/reports.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double WatchCpuMilliseconds(std::vector<std::string> args, int seconds)
{
    args.insert(args.begin(), QMBCTL_PATH);
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, QMBCTL_PATH, &actions, nullptr, argv.data(), environ) != 0) {
        return -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    kill(pid, SIGINT);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

struct DetectionClock : qmb::DeviceWatcherListener {
    std::mutex mutex;
    std::condition_variable detected;
    bool seen = false;

    void OnDeviceDetected() override
    {
        std::lock_guard lock(mutex);
        seen = true;
        detected.notify_all();
    }
    void OnReportPolled(std::span<const uint8_t>) override {}
};

// Milliseconds from plug-in to detection, over several arrivals.
std::vector<double> ArrivalDelays(bool withNotice, int arrivals)
{
    qmb::EmulatedPlatform platform;
    qmb::DeviceLink link(platform, qmb::MouseIdentity(0));
    DetectionClock clock;
    qmb::DeviceWatcher watcher(link, qmb::kStatusReportId, clock, [](std::function<void()> task) { task(); });
    watcher.StartWatcher();
    std::vector<double> delays;
    for (int i = 0; i < arrivals; ++i) {
        platform.Unplug();
        std::this_thread::sleep_for(300ms + std::chrono::milliseconds(37 * i % 250));
        {
            std::lock_guard lock(clock.mutex);
            clock.seen = false;
        }
        const auto plugged = Clock::now();
        platform.PlugIn();
        if (withNotice) {
            watcher.WakeUp();
        }
        std::unique_lock lock(clock.mutex);
        clock.detected.wait(lock, [&] { return clock.seen; });
        delays.push_back(std::chrono::duration<double, std::milli>(Clock::now() - plugged).count());
    }
    watcher.StopWatcher();
    std::sort(delays.begin(), delays.end());
    return delays;
}

void PrintDelays(const char* what, const std::vector<double>& delays)
{
    std::printf("%-40s median %6.2f ms, worst %6.2f ms (%zu arrivals)\n", what, delays[delays.size() / 2],
                delays.back(), delays.size());
}

}  // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    const double present = WatchCpuMilliseconds({"--demo", "watch"}, seconds);
    std::printf("qmbctl watch, demo mouse present, %d s: %7.1f ms CPU (%.3f%% of one core)\n", seconds, present,
                present / (seconds * 10.0));
    const double absent = WatchCpuMilliseconds({"watch"}, seconds);
    std::printf("qmbctl watch, no mouse,           %d s: %7.1f ms CPU (%.3f%% of one core)\n", seconds, absent,
                absent / (seconds * 10.0));
    PrintDelays("arrival to detection, no USB notice:", ArrivalDelays(false, 20));
    PrintDelays("arrival to detection, with a USB notice:", ArrivalDelays(true, 20));
}
