// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "device/hidraw/hidraw_platform.h"
#include "tests/device/hidraw/fake_hidraw_tree.h"
#include "tests/device/hidraw/sample_descriptors.h"

namespace qmb::test {
namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

constexpr unsigned kLowerNode = 5;
constexpr unsigned kHigherNode = 6;

// Two programs on a mouse whose collections sit on two nodes: each opens
// another node, and both must still keep each other out.
class ExchangeLockTest : public ::testing::Test {
protected:
    ExchangeLockTest()
    {
        tree.AddNode(kLowerNode, kMouseCommandDescriptor, kVendor, kProduct);
        tree.AddNode(kHigherNode, kBootMouseDescriptor, kVendor, kProduct);
        const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        if (runtime != nullptr) {
            savedRuntime_ = runtime;
        }
        UseRuntimeDirectory(true);
        first = OpenOn(firstProgram, kHigherNode);
        second = OpenOn(secondProgram, kLowerNode);
    }
    ~ExchangeLockTest() override
    {
        if (savedRuntime_) {
            setenv("XDG_RUNTIME_DIR", savedRuntime_->c_str(), 1);
        } else {
            unsetenv("XDG_RUNTIME_DIR");
        }
    }

    void UseRuntimeDirectory(bool use)
    {
        const std::string runtime = tree.root() + "/run";
        mkdir(runtime.c_str(), 0700);
        if (use) {
            setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        } else {
            unsetenv("XDG_RUNTIME_DIR");
        }
    }

    HidHandle OpenOn(HidrawPlatform& platform, unsigned node)
    {
        platform.BeginEnumeration();
        const HidHandle handle = platform.Open({tree.NodePath(node), 0});
        platform.EndEnumeration();
        EXPECT_NE(handle, kNoHandle);
        return handle;
    }

    FakeHidrawTree tree;
    HidrawPlatform firstProgram{tree.sysfsRoot(), tree.deviceDirectory()};
    HidrawPlatform secondProgram{tree.sysfsRoot(), tree.deviceDirectory()};
    HidHandle first = kNoHandle;
    HidHandle second = kNoHandle;

private:
    std::optional<std::string> savedRuntime_;
};

TEST_F(ExchangeLockTest, AnExchangeKeepsAnotherProgramWaitingUpToTheBound)
{
    struct Case {
        std::optional<std::chrono::milliseconds> releasedAfter;
        std::chrono::milliseconds bound;
        ExchangeLock result;
        std::chrono::milliseconds shortest;
        std::chrono::milliseconds longest;
    };
    for (const Case& c : {Case{std::nullopt, 200ms, ExchangeLock::Busy, 190ms, 700ms},
                          Case{100ms, 3000ms, ExchangeLock::Taken, 90ms, 1000ms}}) {
        ASSERT_EQ(firstProgram.LockExchanges(first, 1000ms), ExchangeLock::Taken);
        std::thread releaser([&] {
            if (c.releasedAfter) {
                std::this_thread::sleep_for(*c.releasedAfter);
                firstProgram.UnlockExchanges(first);
            }
        });
        const auto asked = SteadyClock::now();
        EXPECT_EQ(secondProgram.LockExchanges(second, c.bound), c.result);
        const auto waited = SteadyClock::now() - asked;
        releaser.join();
        EXPECT_GE(waited, c.shortest);
        EXPECT_LT(waited, c.longest);
        firstProgram.UnlockExchanges(first);
        secondProgram.UnlockExchanges(second);
    }
}

TEST_F(ExchangeLockTest, AWatcherTellsTheTimeOfAnotherProgramsExchangeOnlyWithARuntimeDirectory)
{
    for (const bool runtimeDirectory : {true, false}) {
        UseRuntimeDirectory(runtimeDirectory);
        const auto watching = SteadyClock::now();
        EXPECT_FALSE(secondProgram.OthersTalkedBetween(second, watching, SteadyClock::now()));
        ASSERT_EQ(firstProgram.LockExchanges(first, 1000ms), ExchangeLock::Taken);
        EXPECT_TRUE(secondProgram.OthersTalkedBetween(second, watching, SteadyClock::now()));
        firstProgram.UnlockExchanges(first);
        // A reply read after the other program let go is still its reply.
        EXPECT_EQ(secondProgram.OthersTalkedBetween(second, watching, SteadyClock::now()), runtimeDirectory);
        const auto later = SteadyClock::now();
        EXPECT_FALSE(secondProgram.OthersTalkedBetween(second, later, SteadyClock::now()));
    }
}

}  // namespace
}  // namespace qmb::test
