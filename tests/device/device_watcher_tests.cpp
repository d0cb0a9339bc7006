// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "device/device_watcher.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_state.h"
#include "protocol/model_table.h"
#include "protocol/mouse_commands.h"
#include "protocol/mouse_watch_listener.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/task_loop.h"

namespace qmb {
namespace {

using namespace std::chrono_literals;
using Report = std::vector<uint8_t>;

// The window's side: records what the watcher delivered, and on which
// thread.
struct RecordingListener : MouseWatchListener {
    std::vector<std::string> events;
    DeviceState state;
    StateKeeper keeper{state};
    std::thread::id thread = std::this_thread::get_id();
    bool onOtherThread = false;

    void Note(std::string event)
    {
        onOtherThread |= std::this_thread::get_id() != thread;
        events.push_back(std::move(event));
    }
    void OnDeviceDetected() override { Note("detected"); }
    void OnStatusPolled(const PolledStatus& status) override
    {
        keeper.TakePolledStatus(status);
        Note("status " + std::to_string(status.mode) + " " + std::to_string(status.resolution));
    }
    void OnDeviceReset(std::span<const uint8_t> report) override
    {
        keeper.TakeResetStatus(StatusFields::Decode(report));
        Note("reset");
    }
    void OnDeviceStateChanged() override { Note("changed"); }
    void OnDeviceLost() override { Note("lost"); }
};

struct WatchedMouse {
    EmulatedPlatform platform;
    DeviceLink link{platform, MouseIdentity(0)};
    RecordingListener listener;
    test::TaskLoop ui;
    DeviceWatcher watcher{link, kStatusReportId, listener,
                          [this](std::function<void()> task) { ui.Post(std::move(task)); }};

    bool RunUntilEvents(size_t count, std::chrono::milliseconds limit = 2000ms)
    {
        return ui.RunUntil([&] { return listener.events.size() >= count; }, limit);
    }
};

TEST(Watcher, StartAndStopAnswerOnlyOnce)
{
    WatchedMouse mouse;
    EXPECT_EQ(mouse.watcher.StopWatcher(), 0);
    EXPECT_EQ(mouse.watcher.StartWatcher(), 1);
    EXPECT_EQ(mouse.watcher.StartWatcher(), 0);
    EXPECT_EQ(mouse.watcher.StopWatcher(), 1);
    EXPECT_EQ(mouse.watcher.StopWatcher(), 0);
    EXPECT_EQ(mouse.watcher.StartWatcher(), 1);
}

TEST(Watcher, FirstFindAfterStartIsNoArrival)
{
    WatchedMouse mouse;
    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(700ms);
    EXPECT_TRUE(mouse.listener.events.empty());
    EXPECT_EQ(mouse.watcher.presence(), DevicePresence::Present);
}

TEST(Watcher, ResetPatternRunsTheResetBeforeTheRefresh)
{
    WatchedMouse mouse;
    mouse.listener.state.autoClickTarget = 4;
    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(100ms);
    mouse.platform.PressReset();
    ASSERT_TRUE(mouse.RunUntilEvents(3));
    EXPECT_EQ(mouse.listener.events, (std::vector<std::string>{"status 1 3", "reset", "changed"}));
    EXPECT_EQ(mouse.listener.state.autoClickTarget, 1);
    EXPECT_FALSE(mouse.listener.onOtherThread);
}

TEST(Watcher, AnotherProgramsStatusReplyGivesTheStateButIsNoReset)
{
    // At its factory settings the mouse answers a status query with the reset pattern.
    WatchedMouse mouse;
    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(100ms);
    DeviceLink otherProgram(mouse.platform, MouseIdentity(0));
    ASSERT_TRUE(MouseCommands(otherProgram).QueryStatus().ok());
    ASSERT_TRUE(mouse.RunUntilEvents(2));
    mouse.ui.RunFor(100ms);
    EXPECT_EQ(mouse.listener.events, (std::vector<std::string>{"status 1 3", "changed"}));
}

TEST(Watcher, ByteFiveSetIsNoReset)
{
    WatchedMouse mouse;
    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(100ms);
    mouse.platform.SendUnsolicited({4, 0xCA, 1, 3, 1, 1, 1, 0});
    ASSERT_TRUE(mouse.RunUntilEvents(2));
    mouse.ui.RunFor(100ms);
    EXPECT_EQ(mouse.listener.events, (std::vector<std::string>{"status 1 3", "changed"}));
}

TEST(Watcher, PolledStatusNeverTouchesTheAutoClickTarget)
{
    WatchedMouse mouse;
    mouse.listener.state.autoClickTarget = 2;
    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(100ms);
    mouse.platform.SendUnsolicited({4, 0xCA, 2, 2, 5, 0, 0xC4, 0});
    ASSERT_TRUE(mouse.RunUntilEvents(2));
    EXPECT_EQ(mouse.listener.state.mode, 2);
    EXPECT_EQ(mouse.listener.state.reportInterval, 5);
    EXPECT_EQ(mouse.listener.state.autoClickOn, 1);
    EXPECT_EQ(mouse.listener.state.siteModeOn, 1);
    EXPECT_EQ(mouse.listener.state.autoClickTarget, 2);
}

TEST(Watcher, DropsReportsThatAreNotStatusReportsOfCollectionFour)
{
    test::ScriptedPlatform platform;
    platform.interfaces = {test::ScriptedPlatform::Interface{}};
    platform.Push({8, 0xCA, 1, 3, 1, 0, 1, 0});
    platform.Push({4, 0xC5, 1, 3, 1, 0, 1, 0});
    platform.Push({4, 0xCA, 2, 1, 0, 0, 0, 0});
    DeviceLink link(platform, MouseIdentity(0));
    RecordingListener listener;
    test::TaskLoop ui;
    DeviceWatcher watcher(link, kStatusReportId, listener, [&](std::function<void()> task) { ui.Post(std::move(task)); });
    watcher.StartWatcher();
    ASSERT_TRUE(ui.RunUntil([&] { return listener.events.size() >= 2; }, 2000ms));
    watcher.StopWatcher();
    EXPECT_EQ(listener.events, (std::vector<std::string>{"status 2 1", "changed"}));
}

TEST(Watcher, ReplugWithoutAnyNoticeIsAnArrival)
{
    WatchedMouse mouse;
    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(100ms);
    mouse.platform.Unplug();
    ASSERT_TRUE(mouse.RunUntilEvents(1));
    EXPECT_EQ(mouse.watcher.presence(), DevicePresence::Absent);
    mouse.platform.PlugIn();
    ASSERT_TRUE(mouse.RunUntilEvents(2, 1000ms));
    EXPECT_EQ(mouse.listener.events, (std::vector<std::string>{"lost", "detected"}));
}

TEST(Watcher, SignInMarkSuppressesTheNextDetection)
{
    WatchedMouse mouse;
    mouse.watcher.StartWatcher();
    mouse.platform.Unplug();
    ASSERT_TRUE(mouse.RunUntilEvents(1));
    mouse.watcher.SetPresence(DevicePresence::JustDetected);
    mouse.platform.PlugIn();
    ASSERT_TRUE(mouse.ui.RunUntil([&] { return mouse.watcher.presence() == DevicePresence::Present; }, 1000ms));
    mouse.ui.RunFor(100ms);
    EXPECT_EQ(mouse.listener.events, (std::vector<std::string>{"lost"}));
}

TEST(Watcher, StoppedWatcherDeliversNothingAndLetsTheDeviceGoAtOnce)
{
    WatchedMouse mouse;
    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(100ms);
    ASSERT_EQ(mouse.watcher.StopWatcher(), 1);
    const auto stopped = std::chrono::steady_clock::now();
    { auto session = mouse.link.CommandSession(); }
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, 150ms);

    mouse.platform.PressReset();
    mouse.platform.Unplug();
    mouse.platform.PlugIn();
    mouse.platform.PressModeSwitch();
    mouse.ui.RunFor(700ms);
    EXPECT_TRUE(mouse.listener.events.empty());

    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(100ms);
    mouse.platform.PressModeSwitch();
    ASSERT_TRUE(mouse.RunUntilEvents(2));
}

TEST(Watcher, DeliveryQueuedBeforeAStopIsDropped)
{
    WatchedMouse mouse;
    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(100ms);
    mouse.platform.PressModeSwitch();
    // Let the watcher queue its delivery without running it, then stop.
    std::this_thread::sleep_for(200ms);
    mouse.watcher.StopWatcher();
    mouse.ui.RunFor(300ms);
    EXPECT_TRUE(mouse.listener.events.empty());
}

TEST(Watcher, WithoutArrivalNoticesAnAbsentMouseCostsAFewPassesASecond)
{
    test::ScriptedPlatform platform;
    DeviceLink link(platform, MouseIdentity(0));
    RecordingListener listener;
    test::TaskLoop ui;
    {
        DeviceWatcher watcher(link, kStatusReportId, listener, [&](std::function<void()> task) { ui.Post(std::move(task)); });
        watcher.StartWatcher();
        ui.RunFor(1000ms);
        watcher.StopWatcher();
    }
    const auto passes = std::count(platform.calls.begin(), platform.calls.end(), "Begin");
    EXPECT_GE(passes, 2);
    EXPECT_LE(passes, 6);
}

TEST(Watcher, WakeUpFindsAnArrivingMouseAtOnce)
{
    WatchedMouse mouse;
    mouse.platform.Unplug();
    mouse.watcher.StartWatcher();
    mouse.ui.RunFor(300ms);
    mouse.platform.PlugIn();
    const auto plugged = std::chrono::steady_clock::now();
    mouse.watcher.WakeUp();
    ASSERT_TRUE(mouse.RunUntilEvents(2, 1000ms));
    EXPECT_LT(std::chrono::steady_clock::now() - plugged, 150ms);
    // The mouse was missing from the start: lost once, then found.
    EXPECT_EQ(mouse.listener.events, (std::vector<std::string>{"lost", "detected"}));
}

}  // namespace
}  // namespace qmb
