// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// What the programs cost while nothing happens, and how soon the watcher
// hears of what does happen.
//
//   idle_bench [seconds]   (default 30)
//
// Runs `qmbctl --demo watch`, `qmbctl watch` with no mouse, and `qmbpro
// --demo` and `qmbpro` with no mouse on an Xvfb and a session bus of the
// bench's own with no tray, side by side, and prints, for each, the context
// switches of all its threads and its CPU time over that many seconds once
// started. Without a tray the tray program waits for one to come. Then, in
// this process with the demo mouse, the delays from an arrival, a removal
// and a report of the mouse to the watcher's news.
//
// The same for qmbctl against the virtual mouse on the kernel's hidraw:
// kernel_watch_bench, which `cmake --build build --target
// kernel_watch_bench_in_guest` runs in the kernel tier's guest.

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench/process_activity.h"
#include "device/device_watcher.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/model_table.h"
#include "protocol/reports.h"
#include "tests/support/child_process.h"
#include "tests/support/session_bus.h"
#include "tests/support/virtual_display.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using qmb::bench::Activity;
using qmb::bench::ActivityOver;
using qmb::test::ChildProcess;

constexpr auto kSettle = 2s;
constexpr int kRounds = 20;

void PrintActivity(const char* what, const Activity& activity, std::chrono::seconds window)
{
    std::printf("  %-48s %5ld context switches (%.2f/s), %8.2f ms CPU\n", what, activity.contextSwitches,
                static_cast<double>(activity.contextSwitches) / static_cast<double>(window.count()),
                activity.cpuMilliseconds);
}

// The tray program in a home of its own, so that it neither meets a
// running copy nor touches the user's settings, on a desktop without a tray.
class TrayProgram {
public:
    TrayProgram(const qmb::VirtualDisplay& display, const qmb::SessionBus& bus, bool demo)
    {
        char pattern[] = "/tmp/idle-bench-XXXXXX";
        home_ = mkdtemp(pattern);
        mkdir((home_ + "/runtime").c_str(), 0700);
        setenv("DISPLAY", display.name().constData(), 1);
        setenv("DBUS_SESSION_BUS_ADDRESS", bus.address().toUtf8().constData(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        unsetenv("WAYLAND_DISPLAY");
        setenv("XDG_CONFIG_HOME", (home_ + "/config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (home_ + "/runtime").c_str(), 1);
        std::vector<std::string> command{QMBPRO_PATH};
        if (demo) {
            command.emplace_back("--demo");
        }
        process_ = std::make_unique<ChildProcess>(command, ChildProcess::Output::Discarded);
    }
    ~TrayProgram()
    {
        process_.reset();
        std::system(("rm -rf " + home_).c_str());
    }
    TrayProgram(const TrayProgram&) = delete;
    TrayProgram& operator=(const TrayProgram&) = delete;

    pid_t pid() const { return process_->pid(); }

private:
    std::string home_;
    std::unique_ptr<ChildProcess> process_;
};

void MeasureIdle(std::chrono::seconds window)
{
    const qmb::VirtualDisplay display;
    const qmb::SessionBus bus;
    if (!display.running() || !bus.running()) {
        std::fprintf(stderr, "idle_bench: needs Xvfb and dbus-daemon\n");
        return;
    }
    ChildProcess demoWatch({QMBCTL_PATH, "--demo", "watch"}, ChildProcess::Output::Discarded);
    ChildProcess bareWatch({QMBCTL_PATH, "watch"}, ChildProcess::Output::Discarded);
    const TrayProgram demoTray(display, bus, true);
    const TrayProgram bareTray(display, bus, false);
    std::this_thread::sleep_for(kSettle);

    // Side by side: an idle process is not slowed by another one.
    auto demo = std::async(std::launch::async, ActivityOver, demoWatch.pid(), window);
    auto bare = std::async(std::launch::async, ActivityOver, bareWatch.pid(), window);
    auto demoWaiting = std::async(std::launch::async, ActivityOver, demoTray.pid(), window);
    auto bareWaiting = std::async(std::launch::async, ActivityOver, bareTray.pid(), window);
    std::printf("idle for %lld s, from %lld s after the start:\n", static_cast<long long>(window.count()),
                static_cast<long long>(std::chrono::duration_cast<std::chrono::seconds>(kSettle).count()));
    PrintActivity("qmbctl --demo watch", demo.get(), window);
    PrintActivity("qmbctl watch, no mouse", bare.get(), window);
    PrintActivity("qmbpro --demo, X11 without a tray", demoWaiting.get(), window);
    PrintActivity("qmbpro, no mouse, X11 without a tray", bareWaiting.get(), window);
    std::fflush(stdout);
}

// The watcher's news, with the time each kind last came.
class NewsClock : public qmb::DeviceWatcherListener {
public:
    enum Kind { Detected, Lost, Report, kKinds };

    void OnDeviceDetected() override { Note(Detected); }
    void OnReportPolled(std::span<const uint8_t>) override { Note(Report); }
    void OnDeviceLost() override { Note(Lost); }

    // Runs `cause` and returns the milliseconds until news of `kind`.
    double Delay(Kind kind, const std::function<void()>& cause)
    {
        std::unique_lock lock(mutex_);
        const int before = counts_[kind];
        lock.unlock();
        const auto caused = Clock::now();
        cause();
        lock.lock();
        changed_.wait(lock, [&] { return counts_[kind] > before; });
        return std::chrono::duration<double, std::milli>(times_[kind] - caused).count();
    }

private:
    void Note(Kind kind)
    {
        const auto now = Clock::now();
        std::lock_guard lock(mutex_);
        ++counts_[kind];
        times_[kind] = now;
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    int counts_[kKinds] = {};
    Clock::time_point times_[kKinds];
};

void PrintDelays(const char* what, std::vector<double> delays)
{
    std::sort(delays.begin(), delays.end());
    std::printf("  %-48s median %7.2f ms, worst %7.2f ms (%zu times)\n", what, delays[delays.size() / 2],
                delays.back(), delays.size());
}

void MeasureDelays()
{
    qmb::EmulatedPlatform platform;
    qmb::DeviceLink link(platform, qmb::MouseIdentity(0));
    NewsClock clock;
    qmb::DeviceWatcher watcher(link, qmb::kStatusReportId, clock, [](std::function<void()> task) { task(); });
    watcher.StartWatcher();
    std::vector<double> reports;
    std::vector<double> removals;
    std::vector<double> arrivals;
    for (int round = 0; round < kRounds; ++round) {
        // Pauses of uneven length meet a watcher that paces itself at
        // every point of its pace.
        const auto pause = 100ms + std::chrono::milliseconds(37 * round % 250);
        std::this_thread::sleep_for(pause);
        reports.push_back(clock.Delay(NewsClock::Report, [&] { platform.PressModeSwitch(); }));
        std::this_thread::sleep_for(pause);
        removals.push_back(clock.Delay(NewsClock::Lost, [&] { platform.Unplug(); }));
        std::this_thread::sleep_for(pause);
        arrivals.push_back(clock.Delay(NewsClock::Detected, [&] { platform.PlugIn(); }));
    }
    watcher.StopWatcher();
    std::printf("the demo mouse, in process, to the watcher's news:\n");
    PrintDelays("a report (mode switch)", reports);
    PrintDelays("a removal", removals);
    PrintDelays("an arrival (no USB notice to the program)", arrivals);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::chrono::seconds window(argc > 1 ? std::atoi(argv[1]) : 30);
    MeasureIdle(window);
    MeasureDelays();
}
