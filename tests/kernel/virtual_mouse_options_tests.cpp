// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/virtual_mouse_options.h"

#include <gtest/gtest.h>

#include <vector>

namespace qmb::emu::test {
namespace {

std::optional<VirtualMouseOptions> Parse(std::vector<const char*> args) {
    return ParseVirtualMouseOptions(args);
}

TEST(VirtualMouseOptions, AcceptsModelTraceAndHelp) {
    const auto defaults = Parse({});
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->modelNumber, 0);
    EXPECT_FALSE(defaults->trace);

    const auto given = Parse({"--trace", "--model", "1"});
    ASSERT_TRUE(given);
    EXPECT_EQ(given->modelNumber, 1);
    EXPECT_TRUE(given->trace);
    EXPECT_TRUE(Parse({"--help"})->help);
}

TEST(VirtualMouseOptions, RefusesWhatItDoesNotUnderstand) {
    EXPECT_FALSE(Parse({"--model"}));
    EXPECT_FALSE(Parse({"--model", "1x"}));
    EXPECT_FALSE(Parse({"--model", ""}));
    EXPECT_FALSE(Parse({"--model", "99999999999"}));
    EXPECT_FALSE(Parse({"--demo"}));
    EXPECT_FALSE(Parse({"status"}));
}

}  // namespace
}  // namespace qmb::emu::test
