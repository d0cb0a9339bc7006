// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <algorithm>

#include "mouse_session.h"

namespace qmb::emu::test {
namespace {

const Bytes kSignedInStatus{0x08, 0xCA, 0x01, 0x03, 0x01, 0x00, 0x41, 0x00, 0x00};
const Bytes kSignedOutStatus{0x08, 0xCA, 0x01, 0x03, 0x01, 0x00, 0x01, 0x00, 0x00};
constexpr std::array<uint8_t, 12> kOtherPassword{0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0, 0, 0, 0};

Bytes EnrolmentQuery(VirtualMouse& mouse) {
    return Send(mouse, {0x08, 0xFF, 0xF9, 0x2F, 0, 0, 0, 0, 0});
}

Bytes LockFlags(VirtualMouse& mouse) {
    return Send(mouse, Long(0xFA));
}

TEST(PasswordCommands, FreshMouseHasNoPasswordAndSupportsThem) {
    VirtualMouse mouse;
    EXPECT_EQ(Send(mouse, Long(0xF5)), Long(0xF5, {0xF0}));
    EXPECT_EQ(EnrolmentQuery(mouse), Long(0xFF));
    EXPECT_EQ(LockFlags(mouse), Long(0xFA, {0, 0, 0, 0, 0x01}));
    EXPECT_EQ(SignIn(mouse), kRefused);
    EXPECT_EQ(Send(mouse, Long(0xFD, Six{})), kRefused);
}

TEST(PasswordCommands, FirstPasswordIsTakenWithoutSignInAndNeverEchoed) {
    VirtualMouse mouse;
    EXPECT_EQ(Send(mouse, Long(0x2F, FirstHalf(kMousePassword))), Long(0x2F));
    EXPECT_EQ(Send(mouse, Long(0x35, SecondHalf(kMousePassword))), Long(0x35));
    EXPECT_EQ(EnrolmentQuery(mouse), Long(0xFF, {0xFF}));
    EXPECT_TRUE(std::equal(kMousePassword.begin(), kMousePassword.end(), mouse.memory().begin() + 0x2F));
}

TEST(PasswordCommands, RightPasswordSignsInWrongOneChangesNothing) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    EXPECT_EQ(Send(mouse, Long(0xF1, FirstHalf(kMousePassword))), Long(0xF1));
    EXPECT_EQ(Send(mouse, Long(0xF2, SecondHalf(kOtherPassword))), kRefused);
    EXPECT_FALSE(mouse.signedIn());

    EXPECT_EQ(SignIn(mouse), kSignedInStatus);
    EXPECT_TRUE(mouse.signedIn());
    EXPECT_EQ(SignIn(mouse, kOtherPassword), kRefused);
    EXPECT_TRUE(mouse.signedIn());

    EXPECT_EQ(Send(mouse, Long(0xF6)), kSignedOutStatus);
    EXPECT_FALSE(mouse.signedIn());
}

TEST(PasswordCommands, SecondHalfNeedsItsFirstHalfRightBeforeIt) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    EXPECT_EQ(Send(mouse, Long(0xF2, SecondHalf(kMousePassword))), kRefused);

    Send(mouse, Long(0xF1, FirstHalf(kMousePassword)));
    Send(mouse, Long(0xF5));
    EXPECT_EQ(Send(mouse, Long(0xF2, SecondHalf(kMousePassword))), kRefused);

    Send(mouse, Long(0x2F, FirstHalf(kMousePassword)));
    EXPECT_EQ(Send(mouse, Long(0xF2, SecondHalf(kMousePassword))), kRefused);
    EXPECT_FALSE(mouse.signedIn());
}

TEST(PasswordCommands, PasswordIsLockedAgainstChangeUntilSignIn) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    EXPECT_EQ(Send(mouse, Long(0x2F, FirstHalf(kOtherPassword))), kRefused);
    EXPECT_EQ(Send(mouse, Long(0x35, SecondHalf(kOtherPassword))), kRefused);
    EXPECT_EQ(Send(mouse, Long(0x3B, kShortPassword)), kRefused);
    EXPECT_EQ(SignIn(mouse), kSignedInStatus);

    SendHalves(mouse, 0x2F, 0x35, kOtherPassword);
    Send(mouse, Long(0xF6));
    EXPECT_EQ(SignIn(mouse), kRefused);
    EXPECT_EQ(SignIn(mouse, kOtherPassword), kSignedInStatus);
}

TEST(PasswordCommands, InterruptedChangeKeepsTheOldPassword) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    SignIn(mouse);
    Send(mouse, Long(0x2F, FirstHalf(kOtherPassword)));
    Send(mouse, {0x04, 0xFF, 0xCA, 0, 0, 0, 0, 0});
    EXPECT_EQ(Send(mouse, Long(0x35, SecondHalf(kOtherPassword))), kRefused);

    Send(mouse, Long(0xF6));
    EXPECT_EQ(SignIn(mouse), kSignedInStatus);
}

TEST(PasswordCommands, ShortPasswordSignsInAndSwitchesTheLockFlags) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    SignIn(mouse);
    EXPECT_EQ(Send(mouse, Long(0x3B, kShortPassword)), Long(0x3B));
    EXPECT_EQ(LockFlags(mouse), Long(0xFA, {0xFF, 0xFF, 0, 0, 0x41}));

    Send(mouse, Long(0xF6));
    EXPECT_EQ(LockFlags(mouse), Long(0xFA, {0xFF, 0xFF, 0, 0, 0x01}));
    EXPECT_EQ(Send(mouse, Long(0xFD, {0x27, 0x26, 0x25, 0, 0, 0})), kRefused);
    EXPECT_EQ(Send(mouse, Long(0xFD, kShortPassword)), kSignedInStatus);

    EXPECT_EQ(Send(mouse, Long(0x3B, Six{})), Long(0x3B));
    EXPECT_EQ(LockFlags(mouse), Long(0xFA, {0, 0, 0, 0, 0x41}));
    EXPECT_EQ(Send(mouse, Long(0xFD, Six{})), kRefused);
}

TEST(PasswordCommands, RemovingThePasswordRemovesTheShortOne) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    SignIn(mouse);
    Send(mouse, Long(0x3B, kShortPassword));
    SendHalves(mouse, 0x2F, 0x35, {});
    EXPECT_EQ(EnrolmentQuery(mouse), Long(0xFF));
    EXPECT_EQ(Send(mouse, {0x08, 0xFF, 0xF9, 0x3B, 0, 0, 0, 0, 0}), Long(0xFF));
    EXPECT_EQ(Send(mouse, Long(0x3B, kShortPassword)), kRefused);
}

TEST(PasswordCommands, StatusWriteSignsOutButNeverIn) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    SignIn(mouse);
    EXPECT_EQ(Send(mouse, {0x04, 0xCA, 0x02, 0x03, 0x01, 0x00, 0x41, 0x00}),
              (Bytes{0x04, 0xCA, 0x02, 0x03, 0x01, 0x00, 0x41, 0x00}));
    EXPECT_EQ(Send(mouse, {0x04, 0xCA, 0x02, 0x03, 0x01, 0x00, 0x01, 0x00}),
              (Bytes{0x04, 0xCA, 0x02, 0x03, 0x01, 0x00, 0x01, 0x00}));
    EXPECT_FALSE(mouse.signedIn());
    Send(mouse, {0x04, 0xCA, 0x02, 0x03, 0x01, 0x00, 0x41, 0x00});
    EXPECT_FALSE(mouse.signedIn());
}

TEST(PasswordCommands, ResetSignsOutAndKeepsThePasswords) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    SignIn(mouse);
    Send(mouse, Long(0x3B, kShortPassword));
    mouse.PressReset();
    EXPECT_FALSE(mouse.signedIn());
    EXPECT_EQ(LockFlags(mouse), Long(0xFA, {0xFF, 0xFF, 0, 0, 0x01}));
    EXPECT_EQ(SignIn(mouse), kSignedInStatus);
}

}  // namespace
}  // namespace qmb::emu::test
