// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "mouse_session.h"

namespace qmb::emu::test {
namespace {

const Bytes kResetPattern{0x04, 0xCA, 0x01, 0x03, 0x01, 0x00, 0x01, 0x00};

TEST(StatusCommands, FreshMouseAnswersTheFactoryStatus) {
    VirtualMouse mouse;
    EXPECT_EQ(Send(mouse, {0x04, 0xFF, 0xCA, 0, 0, 0, 0, 0}), kResetPattern);
}

TEST(StatusCommands, ProductIdFollowsTheModel) {
    EXPECT_EQ(VirtualMouse(1).productId(), 0xC049);
    EXPECT_EQ(VirtualMouse(0).productId(), 0xC048);
    EXPECT_EQ(VirtualMouse(2).productId(), 0xC048);
}

struct StatusWriteCase {
    const char* name;
    int model;
    Bytes write;
    Bytes answer;
};

void PrintTo(const StatusWriteCase& writeCase, std::ostream* out) {
    *out << writeCase.name;
}

class StatusWrite : public testing::TestWithParam<StatusWriteCase> {};

TEST_P(StatusWrite, AnswersTheNewStatusAndKeepsIt) {
    VirtualMouse mouse(GetParam().model);
    EXPECT_EQ(Send(mouse, GetParam().write), GetParam().answer);
    EXPECT_EQ(Send(mouse, {0x04, 0xFF, 0xCA, 0, 0, 0, 0, 0}), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, StatusWrite,
    testing::Values(
        StatusWriteCase{"AllFieldsInRange", 1, {0x04, 0xCA, 0x02, 0x0B, 0x07, 0x00, 0x82, 0x00},
                        {0x04, 0xCA, 0x02, 0x0B, 0x07, 0x00, 0x82, 0x00}},
        StatusWriteCase{"ResolutionAboveThreeStepModelIgnored", 0, {0x04, 0xCA, 0x02, 0x04, 0x00, 0x00, 0x84, 0x00},
                        {0x04, 0xCA, 0x02, 0x03, 0x00, 0x00, 0x84, 0x00}},
        StatusWriteCase{"ResolutionAboveElevenIgnored", 1, {0x04, 0xCA, 0x01, 0x0C, 0x02, 0x00, 0x01, 0x00},
                        {0x04, 0xCA, 0x01, 0x03, 0x02, 0x00, 0x01, 0x00}},
        StatusWriteCase{"ZeroModeAndResolutionIgnored", 1, {0x04, 0xCA, 0x00, 0x00, 0x05, 0x00, 0x02, 0x00},
                        {0x04, 0xCA, 0x01, 0x03, 0x05, 0x00, 0x02, 0x00}},
        StatusWriteCase{"IntervalAboveSevenIgnored", 0, {0x04, 0xCA, 0x02, 0x01, 0x08, 0x00, 0x01, 0x00},
                        {0x04, 0xCA, 0x02, 0x01, 0x01, 0x00, 0x01, 0x00}},
        StatusWriteCase{"TargetThatIsNoButtonIgnored", 0, {0x04, 0xCA, 0x01, 0x02, 0x00, 0x00, 0x83, 0x00},
                        {0x04, 0xCA, 0x01, 0x02, 0x00, 0x00, 0x81, 0x00}},
        StatusWriteCase{"SiteModeNotSwitchedOnWithoutSignIn", 0, {0x04, 0xCA, 0x02, 0x03, 0x01, 0x00, 0x42, 0x00},
                        {0x04, 0xCA, 0x02, 0x03, 0x01, 0x00, 0x02, 0x00}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StatusCommands, ModeSwitchTogglesAndReportsTheStatus) {
    VirtualMouse mouse;
    EXPECT_EQ(mouse.PressModeSwitch(), (Bytes{0x04, 0xCA, 0x02, 0x03, 0x01, 0x00, 0x01, 0x00}));
    EXPECT_EQ(mouse.PressModeSwitch(), kResetPattern);
}

TEST(StatusCommands, ButtonMapIsReadAndWritten) {
    VirtualMouse mouse;
    EXPECT_EQ(Send(mouse, {0x04, 0xFF, 0xC5, 0, 0, 0, 0, 0}), (Bytes{0x04, 0xFF, 1, 2, 4, 8, 16, 0}));
    EXPECT_EQ(Send(mouse, {0x04, 0xC5, 2, 1, 4, 8, 16, 0}), (Bytes{0x04, 0xC5, 2, 1, 4, 8, 16, 0}));
    EXPECT_EQ(Send(mouse, {0x04, 0xFF, 0xC5, 0, 0, 0, 0, 0}), (Bytes{0x04, 0xFF, 2, 1, 4, 8, 16, 0}));
}

TEST(StatusCommands, ButtonMapNamingNoButtonIsRefusedWhole) {
    VirtualMouse mouse;
    for (const uint8_t mask : {0x00, 0x03, 0x20, 0x40, 0x80}) {
        EXPECT_EQ(Send(mouse, {0x04, 0xC5, 2, 1, mask, 8, 16, 0}), (Bytes{0x04, 0, 0, 0, 0, 0, 0, 0}));
    }
    EXPECT_EQ(mouse.buttonMap(), (std::array<uint8_t, 5>{1, 2, 4, 8, 16}));
}

TEST(StatusCommands, ResetRestoresFactorySettingsAndSendsTheResetPattern) {
    VirtualMouse mouse(1);
    Send(mouse, {0x04, 0xCA, 0x02, 0x0B, 0x07, 0x00, 0x84, 0x00});
    Send(mouse, {0x04, 0xC5, 2, 1, 4, 16, 8, 0});
    Send(mouse, Long(0x23, {0x01, 0x02, 0x3A, 0, 0, 0}));
    Send(mouse, Long(0x29, {0x04, 0x32, 0x01, 0x01, 0x31, 0xA2}));

    EXPECT_EQ(mouse.PressReset(), kResetPattern);
    EXPECT_EQ(Send(mouse, {0x04, 0xFF, 0xCA, 0, 0, 0, 0, 0}), kResetPattern);
    EXPECT_EQ(Send(mouse, {0x04, 0xFF, 0xC5, 0, 0, 0, 0, 0}), (Bytes{0x04, 0xFF, 1, 2, 4, 8, 16, 0}));
    EXPECT_EQ(Send(mouse, Long(0xFF, {0x23})), Long(0xFF));
    EXPECT_EQ(Send(mouse, Long(0xFF, {0x29})), Long(0xFF, {0x04, 0x01, 0x01, 0x01, 0x02, 0x11}));
}

}  // namespace
}  // namespace qmb::emu::test
