// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "mouse_session.h"

namespace qmb::emu::test {
namespace {

class FunctionKey : public testing::TestWithParam<uint8_t> {};

TEST_P(FunctionKey, IsWrittenAndReadBack) {
    VirtualMouse mouse;
    const uint8_t address = GetParam();
    EXPECT_EQ(Send(mouse, Long(address, {0x01, 0x02, 0x3A, 0, 0, 0})), Long(address, {0x01, 0x02, 0x3A, 0, 0, 0}));
    EXPECT_EQ(Send(mouse, Long(0xFF, {address})), Long(0xFF, {0x01, 0x02, 0x3A, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Inputs, FunctionKey, testing::Values(0x0B, 0x11, 0x17, 0x1D, 0x23));

TEST(MemoryCommands, SequenceRecordIsReadBackAsWritten) {
    VirtualMouse mouse;
    Send(mouse, {0x08, 0x29, 0x04, 0x32, 0x01, 0x01, 0x31, 0xA2, 0x00});
    EXPECT_EQ(Send(mouse, {0x08, 0xFF, 0x29, 0, 0, 0, 0, 0, 0}),
              (Bytes{0x08, 0xFF, 0x04, 0x32, 0x01, 0x01, 0x31, 0xA2, 0x00}));
}

TEST(MemoryCommands, SecretsReadAsZeroWhereverTheReadStarts) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    SignIn(mouse);
    Send(mouse, Long(0x3B, kShortPassword));
    Send(mouse, {0x08, 0xFE, 0x01, 0xAD, 0, 0, 0, 0, 0});
    SendHalves(mouse, 0xF1, 0xF3, kMousePassword);
    SendHalves(mouse, 0xF1, 0xF4, kMousePassword);

    for (const uint8_t address : {0x2F, 0x35, 0x3B, 0x41, 0x47, 0x71, 0x77, 0xA7}) {
        EXPECT_EQ(Send(mouse, Long(0xFF, {address})), Long(0xFF)) << int{address};
    }
    EXPECT_EQ(Send(mouse, Long(0xFF, {0x2C})), Long(0xFF, {0x01, 0x02, 0x11, 0, 0, 0}));
    EXPECT_EQ(Send(mouse, Long(0xFF, {0xA9})), Long(0xFF, {0, 0, 0, 0, 0x41, 0x71}));
}

TEST(MemoryCommands, ReadRunningPastTheEndAnswersZeros) {
    VirtualMouse mouse;
    EXPECT_EQ(Send(mouse, Long(0xFF, {0xFE})), Long(0xFF));
}

TEST(MemoryCommands, WritesOffTheFieldGridAreRefusedAndChangeNothing) {
    VirtualMouse mouse;
    const std::array<uint8_t, 256> before = mouse.memory();
    for (const uint8_t address : {0x00, 0x0A, 0x0C, 0x2A, 0x2E, 0x30, 0x3C, 0x42, 0xAC, 0xAE, 0xE9, 0xF0, 0xF7}) {
        EXPECT_EQ(Send(mouse, Long(address, {1, 2, 3, 4, 5, 6})), Long(0x00)) << int{address};
    }
    EXPECT_EQ(mouse.memory(), before);
}

}  // namespace
}  // namespace qmb::emu::test
