// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <thread>

#include "device/device_link.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/model_table.h"
#include "protocol/mouse_commands.h"
#include "tests/support/scripted_platform.h"

namespace qmb {
namespace {

using namespace std::chrono_literals;
using test::ScriptedPlatform;
using Report = std::vector<uint8_t>;

struct ScriptedMouse {
    ScriptedPlatform platform;
    DeviceLink link{platform, MouseIdentity(0)};

    explicit ScriptedMouse(uint16_t inputLength = 8)
    {
        ScriptedPlatform::Interface interface;
        interface.inputLength = inputLength;
        platform.interfaces = {interface};
    }
};

TEST(Exchange, ReportIdOtherThanFourOrEightIsNotSent)
{
    ScriptedMouse mouse;
    auto session = mouse.link.CommandSession();
    ASSERT_EQ(session.OpenDevice(4), 1);
    const std::array<uint8_t, 8> report{5, 0xCA, 1, 2, 3, 0, 0, 0};
    EXPECT_EQ(session.SendReport(report).sent, 0);
    EXPECT_TRUE(mouse.platform.sent.empty());
}

TEST(Exchange, WhatTheMouseSentBeforeARequestIsHandedBackNotReadAsItsReply)
{
    ScriptedMouse mouse;
    mouse.platform.responder = [](const Report&) { return Report{4, 0xC5, 1, 2, 4, 8, 16, 0}; };
    auto session = mouse.link.CommandSession();
    ASSERT_EQ(session.OpenDevice(4), 1);
    mouse.platform.Push({4, 0xCA, 2, 3, 7, 0, 0x81, 0});
    const std::array<uint8_t, 8> query{4, 0xFF, 0xC5, 0, 0, 0, 0, 0};
    const auto sent = session.SendReport(query);
    ASSERT_EQ(sent.sent, 1);
    EXPECT_EQ(sent.earlier, (std::vector<Report>{{4, 0xCA, 2, 3, 7, 0, 0x81, 0}}));
    std::array<uint8_t, 8> reply{};
    ASSERT_EQ(session.ReadReport(reply), 1);
    EXPECT_EQ(reply[1], 0xC5);
}

TEST(Exchange, ReadNeverWritesPastTheCallersBuffer)
{
    // A collection that claims far longer input reports than the reply
    // buffer holds.
    ScriptedMouse mouse(64);
    mouse.platform.responder = [](const Report&) { return Report(64, 0xAB); };
    auto session = mouse.link.CommandSession();
    ASSERT_EQ(session.OpenDevice(4), 1);
    std::array<uint8_t, 16> guarded{};
    const std::span<uint8_t> reply(guarded.data(), 9);
    const std::array<uint8_t, 8> query{4, 0xFF, 0xC5, 0, 0, 0, 0, 0};
    ASSERT_EQ(session.SendReport(query).sent, 1);
    ASSERT_EQ(session.ReadReport(reply), 1);
    for (size_t i = 0; i < guarded.size(); ++i) {
        EXPECT_EQ(guarded[i], i < 9 ? 0xAB : 0x00) << i;
    }
}

TEST(Exchange, ReplyAfterTheWaitIsLostForThatCommand)
{
    EmulatedPlatform platform;
    DeviceLink link(platform, MouseIdentity(0));
    EmulatedPlatform::Faults late;
    // Well after the wait: a reply due 1 ms after it may come in time when
    // the read starts a little after the send.
    late.replyDelay = 260ms;
    platform.SetFaults(late);

    auto session = link.CommandSession();
    ASSERT_EQ(session.OpenDevice(4), 1);
    const std::array<uint8_t, 8> query{4, 0xFF, 0xCA, 0, 0, 0, 0, 0};
    ASSERT_EQ(session.SendReport(query).sent, 1);
    std::array<uint8_t, 8> reply{};
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(session.ReadReport(reply), 0);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_GE(waited, 195ms);
    EXPECT_LT(waited, 300ms);
    EXPECT_EQ(reply, (std::array<uint8_t, 8>{}));
    session.CloseDevice();

    // The late reply does not surface as the answer to the next command.
    platform.SetFaults({});
    std::this_thread::sleep_for(60ms);
    ASSERT_EQ(session.OpenDevice(4), 1);
    const std::array<uint8_t, 8> buttons{4, 0xFF, 0xC5, 0, 0, 0, 0, 0};
    ASSERT_EQ(session.SendReport(buttons).sent, 1);
    ASSERT_EQ(session.ReadReport(reply), 1);
    EXPECT_NE(reply[1], 0xCA);
    EXPECT_EQ(reply[2], 1);
    EXPECT_EQ(reply[6], 16);
}

TEST(Exchange, PollWaitsUntilCutShortAndEndsAtOnceWhenAReportComes)
{
    EmulatedPlatform platform;
    DeviceLink link(platform, MouseIdentity(0));
    auto session = link.WatcherSession();
    ASSERT_EQ(session.OpenDevice(4), 1);
    std::array<uint8_t, 8> buffer{};

    // Nothing comes: only the cut ends the wait, whenever it comes.
    auto started = std::chrono::steady_clock::now();
    std::thread cutter([&] {
        std::this_thread::sleep_for(1000ms);
        link.InterruptPoll();
    });
    EXPECT_EQ(session.PollReport(buffer), 0);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 490ms);
    EXPECT_GE(std::chrono::steady_clock::now() - started, 990ms);
    cutter.join();

    std::thread presser([&] {
        std::this_thread::sleep_for(50ms);
        platform.PressModeSwitch();
    });
    started = std::chrono::steady_clock::now();
    EXPECT_EQ(session.PollReport(buffer), 1);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 300ms);
    presser.join();
    EXPECT_EQ(buffer[0], 4);
    EXPECT_EQ(buffer[1], 0xCA);
}

TEST(Exchange, CommandGetsTheDeviceWithinMillisecondsWhileTheWatcherPolls)
{
    EmulatedPlatform platform;
    DeviceLink link(platform, MouseIdentity(0));
    std::atomic<bool> polling{false};
    int pollResult = -1;
    std::thread watcher([&] {
        auto session = link.WatcherSession();
        if (session.OpenDevice(4)) {
            std::array<uint8_t, 8> buffer{};
            polling = true;
            pollResult = session.PollReport(buffer);
        }
    });
    while (!polling) {
        std::this_thread::yield();
    }
    std::this_thread::sleep_for(20ms);
    const auto asked = std::chrono::steady_clock::now();
    {
        auto session = link.CommandSession();
        EXPECT_LT(std::chrono::steady_clock::now() - asked, 150ms);
    }
    watcher.join();
    EXPECT_EQ(pollResult, 0);
}

TEST(Exchange, WatcherGivesWayToAWaitingCommand)
{
    EmulatedPlatform platform;
    DeviceLink link(platform, MouseIdentity(0));
    std::vector<std::string> order;
    std::mutex orderMutex;
    auto note = [&](std::string what) {
        std::lock_guard lock(orderMutex);
        order.push_back(std::move(what));
    };

    auto first = link.CommandSession();
    std::thread command([&] {
        auto session = link.CommandSession();
        note("command");
    });
    std::thread watcher([&] {
        std::this_thread::sleep_for(10ms);
        auto session = link.WatcherSession();
        note("watcher");
    });
    std::this_thread::sleep_for(40ms);
    { auto released = std::move(first); }
    command.join();
    watcher.join();
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], "command");
}

// Another program, a DeviceLink of its own on the same bus, holding the
// mouse for a while once it has it open.
struct OtherProgram {
    OtherProgram(EmulatedPlatform& platform, std::chrono::milliseconds duration)
        : link(platform, MouseIdentity(0)), thread([this, duration] {
              auto session = link.CommandSession();
              holding = session.OpenDevice(8) == 1;
              std::this_thread::sleep_for(duration);
          })
    {
        while (!holding) {
            std::this_thread::yield();
        }
    }
    ~OtherProgram() { thread.join(); }

    DeviceLink link;
    std::atomic<bool> holding{false};
    std::thread thread;
};

TEST(Exchange, AnotherProgramsExchangeIsWaitedForOnlyUpToTheBound)
{
    for (const auto held : {500ms, kExchangeLockBound + 600ms}) {
        EmulatedPlatform platform;
        platform.RecordSentReports();
        DeviceLink link(platform, MouseIdentity(0));
        OtherProgram other(platform, held);
        const auto asked = std::chrono::steady_clock::now();
        const auto reply = MouseCommands(link).QueryStatus();
        const auto waited = std::chrono::steady_clock::now() - asked;
        const bool busy = held > kExchangeLockBound;
        EXPECT_EQ(reply.outcome, busy ? Outcome::Busy : Outcome::Done);
        EXPECT_GE(waited, busy ? kExchangeLockBound - 50ms : 450ms);
        EXPECT_LT(waited, (busy ? kExchangeLockBound : held) + 400ms);
        // A busy mouse was sent nothing.
        EXPECT_EQ(platform.TakeSentReports().size(), busy ? 0u : 1u);
    }
}

TEST(Exchange, WhatCameWhileWaitingForAnotherProgramIsNotTakenForTheReply)
{
    EmulatedPlatform platform;
    DeviceLink link(platform, MouseIdentity(0));
    MouseCommands commands(link);
    ASSERT_TRUE(commands.WriteFunctionKey(0x11, {2, 2, 2}).ok());
    OtherProgram other(platform, 300ms);
    std::thread replies([&] {
        std::this_thread::sleep_for(100ms);
        for (int i = 0; i < 3; ++i) {
            platform.SendUnsolicited({8, 0xFF, 1, 1, 1, 0, 0, 0, 0});
        }
    });
    const auto key = commands.ReadFunctionKey(0x11);
    replies.join();
    ASSERT_TRUE(key.ok());
    EXPECT_EQ(key.value, (FunctionKey{2, 2, 2}));
}

}  // namespace
}  // namespace qmb
