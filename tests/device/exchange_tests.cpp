#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

#include "device/device_link.h"
#include "device/emulated_platform.h"
#include "tests/support/scripted_platform.h"

namespace qmb {
namespace {

using namespace std::chrono_literals;
using test::ScriptedPlatform;
using Report = std::vector<uint8_t>;

struct ScriptedMouse {
    ScriptedPlatform platform;
    DeviceLink link{platform};
    int statusReports = 0;
    Report lastStatus;

    explicit ScriptedMouse(uint16_t inputLength = 8)
    {
        ScriptedPlatform::Interface interface;
        interface.inputLength = inputLength;
        platform.interfaces = {interface};
        link.SetStatusReportHandler([this](std::span<const uint8_t> report) {
            ++statusReports;
            lastStatus.assign(report.begin(), report.end());
        });
    }
};

TEST(Exchange, ReportIdOtherThanFourOrEightIsNotSent)
{
    ScriptedMouse mouse;
    ASSERT_EQ(mouse.link.OpenDevice(), 1);
    const std::array<uint8_t, 8> report{5, 0xCA, 1, 2, 3, 0, 0, 0};
    EXPECT_EQ(mouse.link.SendReport(mouse.link.deviceHandle, report), 0);
    EXPECT_TRUE(mouse.platform.sent.empty());
}

TEST(Exchange, AnyReplyWithStatusCodeIsTakenWhateverItsReportId)
{
    ScriptedMouse mouse;
    mouse.platform.responder = [](const Report& output) {
        return output[1] == 0x01 ? Report{8, 0xCA, 2, 3, 7, 0, 0xC4, 0} : Report{4, 0xC5, 1, 2, 4, 8, 16, 0};
    };
    ASSERT_EQ(mouse.link.OpenDevice(), 1);
    std::array<uint8_t, 8> reply{};

    const std::array<uint8_t, 8> statusCause{4, 0x01, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(mouse.link.SendReport(mouse.link.deviceHandle, statusCause), 1);
    ASSERT_EQ(mouse.link.ReadReport(mouse.link.deviceHandle, reply), 1);
    EXPECT_EQ(mouse.statusReports, 1);
    EXPECT_EQ(mouse.lastStatus, (Report{8, 0xCA, 2, 3, 7, 0, 0xC4, 0}));

    const std::array<uint8_t, 8> other{4, 0xFF, 0xC5, 0, 0, 0, 0, 0};
    ASSERT_EQ(mouse.link.SendReport(mouse.link.deviceHandle, other), 1);
    ASSERT_EQ(mouse.link.ReadReport(mouse.link.deviceHandle, reply), 1);
    EXPECT_EQ(mouse.statusReports, 1);
    EXPECT_EQ(reply[1], 0xC5);
}

TEST(Exchange, ReadBusyIsClearAfterEveryReturn)
{
    ScriptedMouse mouse;
    std::array<uint8_t, 8> reply{};
    EXPECT_EQ(mouse.link.ReadReport(kNoHandle, reply), 0);
    EXPECT_EQ(mouse.link.readBusy, 0);

    ASSERT_EQ(mouse.link.OpenDevice(), 1);
    EXPECT_EQ(mouse.link.ReadReport(mouse.link.deviceHandle, reply), 0);
    EXPECT_EQ(mouse.link.readBusy, 0);

    int busyDuringHandler = -1;
    mouse.link.SetStatusReportHandler([&](std::span<const uint8_t>) { busyDuringHandler = mouse.link.readBusy; });
    mouse.platform.responder = [](const Report&) { return Report{4, 0xCA, 1, 1, 1, 0, 0, 0}; };
    const std::array<uint8_t, 8> query{4, 0xFF, 0xCA, 0, 0, 0, 0, 0};
    ASSERT_EQ(mouse.link.SendReport(mouse.link.deviceHandle, query), 1);
    EXPECT_EQ(mouse.link.ReadReport(mouse.link.deviceHandle, reply), 1);
    EXPECT_EQ(busyDuringHandler, 1);
    EXPECT_EQ(mouse.link.readBusy, 0);
}

TEST(Exchange, ReadNeverWritesPastTheCallersBuffer)
{
    // A collection that claims far longer input reports than the reply
    // buffer holds.
    ScriptedMouse mouse(64);
    mouse.platform.responder = [](const Report&) { return Report(64, 0xAB); };
    ASSERT_EQ(mouse.link.OpenDevice(), 1);
    std::array<uint8_t, 16> guarded{};
    const std::span<uint8_t> reply(guarded.data(), 9);
    const std::array<uint8_t, 9> query{8, 0xFF, 0x0B, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(mouse.link.SendReport(mouse.link.deviceHandle, query), 1);
    ASSERT_EQ(mouse.link.ReadReport(mouse.link.deviceHandle, reply), 1);
    for (size_t i = 0; i < guarded.size(); ++i) {
        EXPECT_EQ(guarded[i], i < 9 ? 0xAB : 0x00) << i;
    }
}

TEST(Exchange, ReplyAfterTheWaitIsLostForThatCommand)
{
    EmulatedPlatform platform;
    DeviceLink link(platform);
    EmulatedPlatform::Faults late;
    late.replyDelay = 201ms;
    platform.SetFaults(late);

    link.currentReportId = 4;
    ASSERT_EQ(link.OpenDevice(), 1);
    const std::array<uint8_t, 8> query{4, 0xFF, 0xCA, 0, 0, 0, 0, 0};
    ASSERT_EQ(link.SendReport(link.deviceHandle, query), 1);
    std::array<uint8_t, 8> reply{};
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(link.ReadReport(link.deviceHandle, reply), 0);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(link.readBusy, 0);
    EXPECT_GE(waited, 195ms);
    EXPECT_LT(waited, 300ms);
    EXPECT_EQ(reply, (std::array<uint8_t, 8>{}));
    link.CloseDevice();

    // The late reply does not surface as the answer to the next command.
    platform.SetFaults({});
    std::this_thread::sleep_for(20ms);
    ASSERT_EQ(link.OpenDevice(), 1);
    const std::array<uint8_t, 8> buttons{4, 0xFF, 0xC5, 0, 0, 0, 0, 0};
    ASSERT_EQ(link.SendReport(link.deviceHandle, buttons), 1);
    ASSERT_EQ(link.ReadReport(link.deviceHandle, reply), 1);
    EXPECT_NE(reply[1], 0xCA);
    EXPECT_EQ(reply[2], 1);
    EXPECT_EQ(reply[6], 16);
}

TEST(Exchange, PollWaitsHalfASecondAndEndsAtOnceWhenAReportComes)
{
    EmulatedPlatform platform;
    DeviceLink link(platform);
    link.currentReportId = 4;
    ASSERT_EQ(link.OpenDevice(), 1);
    std::array<uint8_t, 8> buffer{};

    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(link.PollReport(link.deviceHandle, buffer), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 490ms);

    std::thread presser([&] {
        std::this_thread::sleep_for(50ms);
        platform.PressModeSwitch();
    });
    started = std::chrono::steady_clock::now();
    EXPECT_EQ(link.PollReport(link.deviceHandle, buffer), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 300ms);
    presser.join();
    EXPECT_EQ(buffer[0], 4);
    EXPECT_EQ(buffer[1], 0xCA);
}

TEST(Exchange, CommandGetsTheDeviceWithinMillisecondsWhileTheWatcherPolls)
{
    EmulatedPlatform platform;
    DeviceLink link(platform);
    std::atomic<bool> polling{false};
    int pollResult = -1;
    std::thread watcher([&] {
        auto access = link.WatcherAccess();
        link.currentReportId = 4;
        if (link.OpenDevice()) {
            std::array<uint8_t, 8> buffer{};
            polling = true;
            pollResult = link.PollReport(link.deviceHandle, buffer);
        }
    });
    while (!polling) {
        std::this_thread::yield();
    }
    std::this_thread::sleep_for(20ms);
    const auto asked = std::chrono::steady_clock::now();
    {
        auto access = link.CommandAccess();
        EXPECT_LT(std::chrono::steady_clock::now() - asked, 150ms);
    }
    watcher.join();
    EXPECT_EQ(pollResult, 0);
}

TEST(Exchange, WatcherGivesWayToAWaitingCommand)
{
    EmulatedPlatform platform;
    DeviceLink link(platform);
    std::vector<std::string> order;
    std::mutex orderMutex;
    auto note = [&](std::string what) {
        std::lock_guard lock(orderMutex);
        order.push_back(std::move(what));
    };

    auto first = link.CommandAccess();
    std::thread command([&] {
        auto access = link.CommandAccess();
        note("command");
    });
    std::thread watcher([&] {
        std::this_thread::sleep_for(10ms);
        auto access = link.WatcherAccess();
        note("watcher");
    });
    std::this_thread::sleep_for(40ms);
    { auto released = std::move(first); }
    command.join();
    watcher.join();
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], "command");
}

}  // namespace
}  // namespace qmb
