// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// What the tray program leaves until after its start.

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "tests/app/control_box_fixture.h"

namespace qmb::test {
namespace {

using TrayStartTest = ControlBoxFixture;

TEST_F(TrayStartTest, TheControlBoxHandleIsSavedOnlyOnceTheProgramHasSettled)
{
    Start();
    // Its save waits for the disk: the start does not.
    EXPECT_EQ(ReadUserDword(kUserKey, kWindowHandleName), 0u);
    const auto handle = static_cast<uint32_t>(box().winId());
    EXPECT_TRUE(RunUntil([&] { return ReadUserDword(kUserKey, kWindowHandleName) == handle; }, 3000));
}

}  // namespace
}  // namespace qmb::test
