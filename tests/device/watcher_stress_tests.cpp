// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "device/device_watcher.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/model_table.h"
#include "protocol/mouse_commands.h"
#include "protocol/mouse_watch_listener.h"
#include "tests/support/task_loop.h"

namespace qmb {
namespace {

using namespace std::chrono_literals;

struct GuardedListener : MouseWatchListener {
    bool stopped = false;
    int deliveredWhileStopped = 0;
    int deliveries = 0;

    void Count()
    {
        ++deliveries;
        deliveredWhileStopped += stopped ? 1 : 0;
    }
    void OnDeviceDetected() override { Count(); }
    void OnStatusPolled(const PolledStatus&) override { Count(); }
    void OnDeviceReset(std::span<const uint8_t>) override { Count(); }
    void OnDeviceStateChanged() override { Count(); }
    void OnDeviceLost() override { Count(); }
};

// Commands from one thread, the watcher polling, the mouse talking by itself
// and the watcher stopped and started again, all at once, for ten seconds.
TEST(WatcherStress, EveryCommandGetsItsOwnReplyAndNothingComesWhileStopped)
{
    EmulatedPlatform platform;
    DeviceLink link(platform, MouseIdentity(0));
    GuardedListener listener;
    test::TaskLoop ui;
    DeviceWatcher watcher(link, kStatusReportId, listener,
                          [&](std::function<void()> task) { ui.Post(std::move(task)); });
    watcher.StartWatcher();

    std::atomic<bool> done{false};
    std::atomic<int> commands{0};
    std::atomic<int> mismatches{0};
    std::thread commander([&] {
        MouseCommands mouse(link, [](std::chrono::milliseconds) {});
        for (uint8_t i = 0; !done; ++i) {
            StatusFields status;
            status.mode = 2;
            status.resolution = static_cast<uint8_t>(1 + i % 3);
            status.autoClickTarget = 1;
            if (!mouse.WriteStatus(status).ok()) {
                ++mismatches;
            }
            const auto map = mouse.QueryButtonMap();
            if (!map.ok() || map.value != ButtonMap{1, 2, 4, 8, 16}) {
                ++mismatches;
            }
            // Each function key written is the one read back.
            const FunctionKey written{1, 0, static_cast<uint8_t>(4 + i % 26)};
            if (!mouse.WriteFunctionKey(0x11, written).ok()) {
                ++mismatches;
            }
            const auto key = mouse.ReadFunctionKey(0x11);
            if (!key.ok() || key.value != written) {
                ++mismatches;
            }
            commands += 4;
            // A breath between rounds, as a user's actions have, lets the
            // watcher in.
            std::this_thread::sleep_for(2ms);
        }
    });
    std::thread presser([&] {
        while (!done) {
            platform.PressModeSwitch();
            std::this_thread::sleep_for(15ms);
        }
    });

    const auto end = std::chrono::steady_clock::now() + 10s;
    while (std::chrono::steady_clock::now() < end) {
        ui.RunFor(150ms);
        listener.stopped = true;
        watcher.StopWatcher();
        ui.RunFor(30ms);
        listener.stopped = false;
        watcher.StartWatcher();
    }
    done = true;
    commander.join();
    presser.join();
    watcher.StopWatcher();

    EXPECT_EQ(mismatches, 0);
    EXPECT_GT(commands, 100);
    EXPECT_GT(listener.deliveries, 10);
    EXPECT_EQ(listener.deliveredWhileStopped, 0);
}

}  // namespace
}  // namespace qmb
