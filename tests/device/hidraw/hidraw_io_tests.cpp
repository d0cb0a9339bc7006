// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <thread>
#include <vector>

#include "device/hidraw/hidraw_platform.h"
#include "tests/device/hidraw/fake_hidraw_tree.h"
#include "tests/device/hidraw/sample_descriptors.h"

namespace qmb::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Bytes = std::vector<uint8_t>;

constexpr unsigned kCommandNode = 5;
constexpr unsigned kPointerNode = 6;

const Bytes kStatusReport{0x04, 0xCA, 0x01, 0x03, 0x01, 0x00, 0x81, 0x00};
const Bytes kMemoryReply{0x08, 0xFF, 0x2F, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66};

// Two nodes of the mouse: the command interface with its two collections
// and the boot-protocol pointer, each with a peer playing the device.
class HidrawIoTest : public ::testing::Test {
protected:
    HidrawIoTest()
    {
        tree.AddNode(kCommandNode, kMouseCommandDescriptor, kVendor, kProduct);
        tree.AddNode(kPointerNode, kBootMouseDescriptor, kVendor, kProduct);
    }

    HidHandle OpenCollection(unsigned node, int collection)
    {
        const HidHandle handle = platform.Open({tree.NodePath(node), collection});
        EXPECT_NE(handle, kNoHandle);
        return handle;
    }

    FakeHidrawTree tree;
    HidrawPlatform platform{tree.sysfsRoot(), tree.deviceDirectory()};
};

Bytes ReadOk(HidrawPlatform& platform, HidHandle handle, std::chrono::milliseconds timeout,
             bool interruptible)
{
    std::array<uint8_t, 64> buffer{};
    const ReadResult result = platform.Read(handle, buffer, timeout, interruptible);
    EXPECT_EQ(result.status, ReadStatus::Ok);
    return Bytes(buffer.begin(), buffer.begin() + static_cast<ptrdiff_t>(result.length));
}

ReadStatus ReadStatusOf(HidrawPlatform& platform, HidHandle handle, std::chrono::milliseconds timeout,
                        bool interruptible)
{
    std::array<uint8_t, 64> buffer{};
    return platform.Read(handle, buffer, timeout, interruptible).status;
}

TEST_F(HidrawIoTest, ReadGivesOnlyTheOpenedCollectionsReports)
{
    FakeNodePeer mouse(tree.NodePath(kCommandNode));
    const HidHandle memory = OpenCollection(kCommandNode, 1);
    mouse.SendInput(kStatusReport);
    mouse.SendInput(kMemoryReply);
    mouse.SendInput(kStatusReport);
    EXPECT_EQ(ReadOk(platform, memory, 500ms, false), kMemoryReply);
    // The status report after it is dropped as well.
    EXPECT_EQ(ReadStatusOf(platform, memory, 50ms, false), ReadStatus::TimedOut);
    platform.Close(memory);

    const HidHandle status = OpenCollection(kCommandNode, 0);
    mouse.SendInput(kMemoryReply);
    mouse.SendInput(kStatusReport);
    EXPECT_EQ(ReadOk(platform, status, 500ms, true), kStatusReport);
    platform.Close(status);
}

TEST_F(HidrawIoTest, AReadOfNoTimeGetsPastTheOtherCollectionsReports)
{
    // A drain before a request, of what another program's exchange left.
    FakeNodePeer mouse(tree.NodePath(kCommandNode));
    const HidHandle status = OpenCollection(kCommandNode, 0);
    mouse.SendInput(kStatusReport);
    mouse.SendInput(kMemoryReply);
    mouse.SendInput(kStatusReport);
    EXPECT_EQ(ReadOk(platform, status, 0ms, false), kStatusReport);
    EXPECT_EQ(ReadOk(platform, status, 0ms, false), kStatusReport);
    EXPECT_EQ(ReadStatusOf(platform, status, 0ms, false), ReadStatus::TimedOut);
}

TEST_F(HidrawIoTest, ReadTimesOutAfterItsTimeout)
{
    FakeNodePeer mouse(tree.NodePath(kCommandNode));
    const HidHandle memory = OpenCollection(kCommandNode, 1);

    const auto silentStart = Clock::now();
    EXPECT_EQ(ReadStatusOf(platform, memory, 120ms, true), ReadStatus::TimedOut);
    const auto silent = Clock::now() - silentStart;
    EXPECT_GE(silent, 120ms);
    EXPECT_LT(silent, 1000ms);

    // Reports of the other collection do not end or extend the wait.
    std::thread chatter([&] {
        for (int i = 0; i < 10; ++i) {
            mouse.SendInput(kStatusReport);
            std::this_thread::sleep_for(10ms);
        }
    });
    const auto busyStart = Clock::now();
    EXPECT_EQ(ReadStatusOf(platform, memory, 150ms, false), ReadStatus::TimedOut);
    const auto busy = Clock::now() - busyStart;
    chatter.join();
    EXPECT_GE(busy, 150ms);
    EXPECT_LT(busy, 1000ms);

    EXPECT_EQ(ReadStatusOf(platform, memory, 0ms, false), ReadStatus::TimedOut);
    platform.Close(memory);
}

TEST_F(HidrawIoTest, ReportsWithoutIdGetAZeroIdByte)
{
    FakeNodePeer pointer(tree.NodePath(kPointerNode));
    const HidHandle handle = OpenCollection(kPointerNode, 0);
    ASSERT_EQ(platform.Capabilities(handle)->inputReportByteLength, 4);
    pointer.SendInput({0x01, 0x05, 0xFB});
    EXPECT_EQ(ReadOk(platform, handle, 500ms, false), (Bytes{0x00, 0x01, 0x05, 0xFB}));
    platform.Close(handle);
}

TEST_F(HidrawIoTest, ShortBufferGetsTheStartOfTheReportAndNothingBeyond)
{
    FakeNodePeer mouse(tree.NodePath(kCommandNode));
    const HidHandle memory = OpenCollection(kCommandNode, 1);
    mouse.SendInput(kMemoryReply);

    std::array<uint8_t, 16> memoryArea;
    memoryArea.fill(0xEE);
    const ReadResult result = platform.Read(memory, std::span(memoryArea).first(3), 500ms, false);
    EXPECT_EQ(result.status, ReadStatus::Ok);
    EXPECT_EQ(result.length, 3u);
    EXPECT_EQ(Bytes(memoryArea.begin(), memoryArea.begin() + 3),
              Bytes(kMemoryReply.begin(), kMemoryReply.begin() + 3));
    for (size_t i = 3; i < memoryArea.size(); ++i) {
        EXPECT_EQ(memoryArea[i], 0xEE) << "byte " << i;
    }
    platform.Close(memory);
}

TEST_F(HidrawIoTest, InterruptFromAnotherThreadEndsAnInterruptibleRead)
{
    FakeNodePeer mouse(tree.NodePath(kCommandNode));
    const HidHandle status = OpenCollection(kCommandNode, 0);

    std::thread command([&] {
        std::this_thread::sleep_for(50ms);
        platform.InterruptRead();
    });
    const auto start = Clock::now();
    EXPECT_EQ(ReadStatusOf(platform, status, 10s, true), ReadStatus::Interrupted);
    const auto waited = Clock::now() - start;
    command.join();
    EXPECT_GE(waited, 40ms);
    EXPECT_LT(waited, 2s);

    // The interrupt was used up.
    EXPECT_EQ(ReadStatusOf(platform, status, 30ms, true), ReadStatus::TimedOut);
    platform.Close(status);
}

TEST_F(HidrawIoTest, ReadWithoutTimeoutWaitsForTheReportOrTheInterrupt)
{
    FakeNodePeer mouse(tree.NodePath(kCommandNode));
    const HidHandle status = OpenCollection(kCommandNode, 0);

    auto start = Clock::now();
    std::thread device([&] {
        std::this_thread::sleep_for(300ms);
        // A report of the other collection does not end the wait.
        mouse.SendInput(kMemoryReply);
        std::this_thread::sleep_for(300ms);
        mouse.SendInput(kStatusReport);
    });
    EXPECT_EQ(ReadOk(platform, status, kNoTimeout, true), kStatusReport);
    EXPECT_GE(Clock::now() - start, 590ms);
    device.join();

    start = Clock::now();
    std::thread command([&] {
        std::this_thread::sleep_for(300ms);
        platform.InterruptRead();
    });
    EXPECT_EQ(ReadStatusOf(platform, status, kNoTimeout, true), ReadStatus::Interrupted);
    EXPECT_GE(Clock::now() - start, 290ms);
    command.join();
    platform.Close(status);
}

TEST_F(HidrawIoTest, InterruptIsKeptForTheNextInterruptibleRead)
{
    FakeNodePeer mouse(tree.NodePath(kCommandNode));
    const HidHandle status = OpenCollection(kCommandNode, 0);
    platform.InterruptRead();

    // A command's read does not see it.
    EXPECT_EQ(ReadStatusOf(platform, status, 30ms, false), ReadStatus::TimedOut);

    // A report already waiting is delivered before the interrupt.
    mouse.SendInput(kStatusReport);
    EXPECT_EQ(ReadOk(platform, status, 500ms, true), kStatusReport);

    const auto start = Clock::now();
    EXPECT_EQ(ReadStatusOf(platform, status, 10s, true), ReadStatus::Interrupted);
    EXPECT_LT(Clock::now() - start, 1s);
    platform.Close(status);
}

TEST_F(HidrawIoTest, ReadOnAGoneHandleFails)
{
    const HidHandle status = OpenCollection(kCommandNode, 0);
    platform.Close(status);
    EXPECT_EQ(ReadStatusOf(platform, status, 10s, true), ReadStatus::Failed);
    EXPECT_EQ(ReadStatusOf(platform, kNoHandle, 10s, false), ReadStatus::Failed);
}

TEST_F(HidrawIoTest, ReadAtEndOfFileFailsAtOnce)
{
    // A node that reads as end of file, like a device that is gone.
    ASSERT_EQ(unlink(tree.NodePath(kPointerNode).c_str()), 0);
    const int file = open(tree.NodePath(kPointerNode).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
    ASSERT_GE(file, 0);
    close(file);
    const HidHandle handle = OpenCollection(kPointerNode, 0);
    const auto start = Clock::now();
    EXPECT_EQ(ReadStatusOf(platform, handle, 10s, false), ReadStatus::Failed);
    EXPECT_LT(Clock::now() - start, 1s);
    platform.Close(handle);
}

TEST_F(HidrawIoTest, SetOutputReportSendsTheWholeReport)
{
    FakeNodePeer mouse(tree.NodePath(kCommandNode));
    const HidHandle memory = OpenCollection(kCommandNode, 1);
    const Bytes readAddress{0x08, 0xFF, 0xF9, 0x2F, 0x00, 0x00, 0x00, 0x00, 0x00};
    EXPECT_TRUE(platform.SetOutputReport(memory, readAddress));
    EXPECT_EQ(mouse.TakeOutput(), readAddress);

    EXPECT_FALSE(platform.SetOutputReport(memory, {}));
    EXPECT_FALSE(platform.SetOutputReport(memory, Bytes(16384, 0x04)));
    EXPECT_TRUE(mouse.TakeOutput().empty());
    platform.Close(memory);
    EXPECT_FALSE(platform.SetOutputReport(memory, readAddress));
}

}  // namespace
}  // namespace qmb::test
