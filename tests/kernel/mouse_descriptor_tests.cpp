// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/mouse_descriptor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "device/hidraw/report_descriptor.h"

namespace qmb::emu::test {
namespace {

// The virtual device must be found the way the program finds the mouse: one
// collection per report id, told apart by the id of its first input button.
TEST(MouseDescriptor, ShowsTwoCollectionsFoundByTheirReportIds) {
    const auto parsed = ParseReportDescriptor(kMouseReportDescriptor);
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->usesReportIds);
    ASSERT_EQ(parsed->collections.size(), 2u);

    const struct {
        uint8_t reportId;
        uint16_t inputLength;
        uint16_t usagePage;
    } expected[] = {{4, 8, 0xFF00}, {8, 9, 0xFF01}};
    for (size_t i = 0; i < 2; ++i) {
        const TopLevelCollection& collection = parsed->collections[i];
        EXPECT_EQ(collection.usagePage, expected[i].usagePage);
        EXPECT_EQ(collection.inputReportIds, std::vector<uint8_t>{expected[i].reportId});
        EXPECT_EQ(collection.inputReportByteLength, expected[i].inputLength);
        EXPECT_GE(collection.numberInputButtonCaps, 1);
        EXPECT_EQ(collection.firstInputButtonReportId, expected[i].reportId);
    }
}

// The descriptor fuzzer starts from what the mouse really sends; a copy of
// the bytes in its corpus drifts apart unless it is held to them.
TEST(MouseDescriptor, IsTheDescriptorFuzzersSeed) {
    std::ifstream seed(QMB_SOURCE_DIR "/fuzz/corpus/report_descriptor/mouse_command_interface.bin", std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(seed), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, std::vector<uint8_t>(kMouseReportDescriptor.begin(), kMouseReportDescriptor.end()));
}

}  // namespace
}  // namespace qmb::emu::test
