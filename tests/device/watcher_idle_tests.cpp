// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "device/device_watcher.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/model_table.h"
#include "protocol/reports.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/task_loop.h"

namespace qmb {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The demo mouse, counting how often the watcher looks at the bus.
class CountingPlatform : public EmulatedPlatform {
public:
    bool BeginEnumeration() override
    {
        ++enumerations;
        return EmulatedPlatform::BeginEnumeration();
    }

    std::atomic<int> enumerations{0};
};

struct NewsListener : DeviceWatcherListener {
    std::vector<std::string> events;

    void OnDeviceDetected() override { events.push_back("detected"); }
    void OnReportPolled(std::span<const uint8_t>) override { events.push_back("report"); }
    void OnDeviceLost() override { events.push_back("lost"); }
};

template <typename Platform>
struct Watched {
    Platform platform;
    DeviceLink link{platform, MouseIdentity(0)};
    NewsListener listener;
    test::TaskLoop ui;
    std::unique_ptr<DeviceWatcher> watcher = std::make_unique<DeviceWatcher>(
        link, kStatusReportId, listener, [this](std::function<void()> task) { ui.Post(std::move(task)); });

    // How long until the watcher has told `count` things in all.
    Clock::duration UntilEvents(size_t count)
    {
        const auto started = Clock::now();
        EXPECT_TRUE(ui.RunUntil([&] { return listener.events.size() >= count; }, 2000ms));
        return Clock::now() - started;
    }

    // How long the watcher takes to end.
    Clock::duration UntilGone()
    {
        const auto started = Clock::now();
        watcher.reset();
        return Clock::now() - started;
    }
};

TEST(WatcherIdle, PresentMouseCostsNoPassUntilItSpeaksOrGoes)
{
    Watched<CountingPlatform> mouse;
    mouse.watcher->StartWatcher();
    mouse.ui.RunFor(200ms);
    const int looked = mouse.platform.enumerations;
    mouse.ui.RunFor(1500ms);
    EXPECT_EQ(mouse.platform.enumerations, looked);
    EXPECT_TRUE(mouse.listener.events.empty());

    mouse.platform.PressModeSwitch();
    EXPECT_LT(mouse.UntilEvents(1), 100ms);
    mouse.ui.RunFor(100ms);
    mouse.platform.Unplug();
    EXPECT_LT(mouse.UntilEvents(2), 100ms);
    EXPECT_EQ(mouse.listener.events, (std::vector<std::string>{"report", "lost"}));
}

TEST(WatcherIdle, AbsentMouseCostsNoPassUntilItArrives)
{
    Watched<CountingPlatform> mouse;
    mouse.platform.Unplug();
    mouse.watcher->StartWatcher();
    mouse.UntilEvents(1);
    const int looked = mouse.platform.enumerations;
    mouse.ui.RunFor(1500ms);
    EXPECT_EQ(mouse.platform.enumerations, looked);

    // The watcher hears of it by itself, with no WakeUp from the window.
    mouse.platform.PlugIn();
    EXPECT_LT(mouse.UntilEvents(2), 100ms);
    EXPECT_EQ(mouse.listener.events, (std::vector<std::string>{"lost", "detected"}));
}

TEST(WatcherIdle, WithoutArrivalNoticesItLooksLessAndLessOftenUpToEveryTwoSeconds)
{
    test::ScriptedPlatform platform;
    DeviceLink link(platform, MouseIdentity(0));
    NewsListener listener;
    test::TaskLoop ui;
    testing::internal::CaptureStderr();
    {
        DeviceWatcher watcher(link, kStatusReportId, listener, [&](std::function<void()> task) { ui.Post(std::move(task)); });
        watcher.StartWatcher();
        // Passes at 0, 0.25, 0.75, 1.75, 3.75 and 5.75 s; 7.75 s without the
        // bound.
        ui.RunFor(6200ms);
        watcher.StopWatcher();
    }
    const std::string said = testing::internal::GetCapturedStderr();
    const auto passes = std::count(platform.calls.begin(), platform.calls.end(), "Begin");
    EXPECT_GE(passes, 6);
    EXPECT_LE(passes, 7);
    EXPECT_EQ(said, "No device notices: looking for the mouse every 0.25 to 2 s.\n");
}

TEST(WatcherIdle, EndsAtOnceWhereverItSleeps)
{
    Watched<EmulatedPlatform> onTheMouse;
    onTheMouse.watcher->StartWatcher();
    onTheMouse.ui.RunFor(200ms);
    EXPECT_LT(onTheMouse.UntilGone(), 100ms);

    Watched<EmulatedPlatform> forTheMouse;
    forTheMouse.platform.Unplug();
    forTheMouse.watcher->StartWatcher();
    forTheMouse.UntilEvents(1);
    EXPECT_LT(forTheMouse.UntilGone(), 100ms);

    testing::internal::CaptureStderr();
    Watched<test::ScriptedPlatform> pausing;
    pausing.watcher->StartWatcher();
    // Into the longest pauses.
    pausing.ui.RunFor(1000ms);
    EXPECT_LT(pausing.UntilGone(), 100ms);
    testing::internal::GetCapturedStderr();
}

}  // namespace
}  // namespace qmb
