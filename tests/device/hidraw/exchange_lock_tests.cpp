// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <thread>

#include "device/hidraw/hidraw_platform.h"
#include "tests/device/hidraw/fake_hidraw_tree.h"
#include "tests/device/hidraw/sample_descriptors.h"

namespace qmb::test {
namespace {

using namespace std::chrono_literals;
using SteadyClock = std::chrono::steady_clock;

// Two programs on a mouse whose collections sit on two nodes, each with
// another node open: they must still keep each other out.
TEST(ExchangeLock, AnotherProgramWaitsUpToTheBoundAndAWatcherLearnsOfTheExchangeAfterwards)
{
    FakeHidrawTree tree;
    tree.AddNode(5, kMouseCommandDescriptor, kVendor, kProduct);
    tree.AddNode(6, kBootMouseDescriptor, kVendor, kProduct);
    setenv("XDG_RUNTIME_DIR", tree.root().c_str(), 1);
    HidrawPlatform talking{tree.sysfsRoot(), tree.deviceDirectory()};
    HidrawPlatform waiting{tree.sysfsRoot(), tree.deviceDirectory()};
    talking.BeginEnumeration();
    waiting.BeginEnumeration();
    const HidHandle first = talking.Open({tree.NodePath(6), 0});
    const HidHandle second = waiting.Open({tree.NodePath(5), 0});
    const auto watching = SteadyClock::now();
    EXPECT_FALSE(waiting.OthersTalkedBetween(second, watching, SteadyClock::now()));

    ASSERT_EQ(talking.LockExchanges(first, 1000ms), ExchangeLock::Taken);
    auto asked = SteadyClock::now();
    EXPECT_EQ(waiting.LockExchanges(second, 200ms), ExchangeLock::Busy);
    EXPECT_GE(SteadyClock::now() - asked, 190ms);
    EXPECT_TRUE(waiting.OthersTalkedBetween(second, watching, SteadyClock::now()));

    std::thread release([&] {
        std::this_thread::sleep_for(100ms);
        talking.UnlockExchanges(first);
    });
    asked = SteadyClock::now();
    EXPECT_EQ(waiting.LockExchanges(second, 3000ms), ExchangeLock::Taken);
    EXPECT_LT(SteadyClock::now() - asked, 1000ms);
    release.join();
    waiting.UnlockExchanges(second);
    // A reply read after the other program let go is still its reply; a
    // report that came after the exchange is not.
    EXPECT_TRUE(talking.OthersTalkedBetween(first, watching, SteadyClock::now()));
    EXPECT_FALSE(talking.OthersTalkedBetween(first, SteadyClock::now(), SteadyClock::now()));
    unsetenv("XDG_RUNTIME_DIR");
}

}  // namespace
}  // namespace qmb::test
