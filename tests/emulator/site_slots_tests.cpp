// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "mouse_session.h"

namespace qmb::emu::test {
namespace {

constexpr std::array<uint8_t, 12> kSiteId{0x04, 0xFE, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0, 0, 0, 0};
constexpr std::array<uint8_t, 12> kSitePassword{0x1E, 0x1F, 0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0};

class SignedInMouse : public testing::Test {
protected:
    SignedInMouse() {
        EnrolMousePassword(mouse);
        SignIn(mouse);
    }

    Bytes Select(uint8_t entry) { return Send(mouse, {0x08, 0xFE, 0x01, entry, 0, 0, 0, 0, 0}); }
    Bytes EnrolId(const std::array<uint8_t, 12>& id = kSiteId) { return SendHalves(mouse, 0xF1, 0xF3, id); }
    Bytes EnrolPassword() { return SendHalves(mouse, 0xF1, 0xF4, kSitePassword); }
    Bytes ReadEntry(uint8_t entry) { return Send(mouse, Long(0xFF, {entry})); }
    void Clear(uint8_t slot) {
        SendHalves(mouse, slot, slot + 6, {});
        Send(mouse, Long(0xAD));
    }

    VirtualMouse mouse;
};

TEST_F(SignedInMouse, SelectingAnEmptySiteAnswersNoSlots) {
    EXPECT_EQ(Select(0xAD), Long(0xFE));
    EXPECT_EQ(Select(0xE9), Long(0xFE));
    for (const uint8_t entry : {0xAB, 0xAE, 0xEB, 0xFF}) {
        EXPECT_EQ(Select(entry), kRefused) << int{entry};
    }
    EXPECT_EQ(Send(mouse, {0x08, 0xFE, 0x02, 0xAD, 0, 0, 0, 0, 0}), kRefused);
}

TEST_F(SignedInMouse, EnrolmentAttachesSlotsToTheSelectedSite) {
    Select(0xAF);
    EXPECT_EQ(EnrolId(), Long(0xF3, {0x41}));
    EXPECT_EQ(Select(0xAF), Long(0xFE, {0xFF, 0x00}));
    EXPECT_EQ(EnrolPassword(), Long(0xF4, {0x71}));
    EXPECT_EQ(Select(0xAF), Long(0xFE, {0xFF, 0xFF}));
    EXPECT_EQ(ReadEntry(0xAF), Long(0xFF, {0x41, 0x71, 0, 0, 0, 0}));
    EXPECT_TRUE(std::equal(kSiteId.begin(), kSiteId.end(), mouse.memory().begin() + 0x41));
    EXPECT_TRUE(std::equal(kSitePassword.begin(), kSitePassword.end(), mouse.memory().begin() + 0x71));
}

TEST_F(SignedInMouse, EnrolmentRunsOutOfSlots) {
    const std::array<uint8_t, 4> idSlots{0x41, 0x4D, 0x59, 0x65};
    const std::array<uint8_t, 5> passwordSlots{0x71, 0x7D, 0x89, 0x95, 0xA1};
    for (uint8_t site = 0; site < 6; ++site) {
        Select(static_cast<uint8_t>(0xAD + 2 * site));
        EXPECT_EQ(EnrolId()[2], site < idSlots.size() ? idSlots[site] : 0x00);
        EXPECT_EQ(EnrolPassword()[2], site < passwordSlots.size() ? passwordSlots[site] : 0x00);
    }
    EXPECT_EQ(ReadEntry(0xB7), Long(0xFF));
}

TEST_F(SignedInMouse, EnrollingAgainReusesTheSitesSlot) {
    Select(0xB1);
    EnrolId();
    Select(0xB3);
    EnrolId();
    Select(0xB1);
    EXPECT_EQ(EnrolId(kSitePassword), Long(0xF3, {0x41}));
    EXPECT_TRUE(std::equal(kSitePassword.begin(), kSitePassword.end(), mouse.memory().begin() + 0x41));
}

TEST_F(SignedInMouse, SlotIsRewrittenInPlace) {
    Select(0xAD);
    EnrolId();
    EXPECT_EQ(SendHalves(mouse, 0x41, 0x47, kSitePassword), Long(0x47));
    EXPECT_TRUE(std::equal(kSitePassword.begin(), kSitePassword.end(), mouse.memory().begin() + 0x41));
    EXPECT_EQ(ReadEntry(0xAD), Long(0xFF, {0x41, 0, 0, 0, 0, 0}));
}

TEST_F(SignedInMouse, ClearedSlotIsDetachedByTheTidyReportAndFreeAgain) {
    Select(0xAD);
    EnrolId();
    Select(0xAF);
    EnrolId();
    SendHalves(mouse, 0x41, 0x47, {});
    EXPECT_EQ(ReadEntry(0xAD), Long(0xFF, {0x41, 0, 0x4D, 0, 0, 0}));
    EXPECT_EQ(Send(mouse, Long(0xAD)), Long(0xAD));
    EXPECT_EQ(ReadEntry(0xAD), Long(0xFF, {0x00, 0, 0x4D, 0, 0, 0}));

    Select(0xB1);
    EXPECT_EQ(EnrolId(), Long(0xF3, {0x41}));
}

TEST_F(SignedInMouse, TidyReportLeavesOtherSitesAlone) {
    for (uint8_t entry : {0xAD, 0xAF, 0xB1}) {
        Select(entry);
        EnrolId();
        EnrolPassword();
    }
    Clear(0x7D);
    EXPECT_EQ(ReadEntry(0xAD), Long(0xFF, {0x41, 0x71, 0x4D, 0x00, 0x59, 0x89}));
}

TEST_F(SignedInMouse, EnrolmentNeedsSignInSelectionAndFirstHalf) {
    EXPECT_EQ(EnrolId(), kRefused);
    Select(0xAD);
    EXPECT_EQ(Send(mouse, Long(0xF3, SecondHalf(kSiteId))), kRefused);
    Send(mouse, Long(0xF6));
    EXPECT_EQ(EnrolId(), kRefused);
    EXPECT_EQ(SendHalves(mouse, 0x41, 0x47, kSiteId), kRefused);
    EXPECT_EQ(Send(mouse, Long(0xAD)), kRefused);
    EXPECT_EQ(ReadEntry(0xAD), Long(0xFF));
}

TEST_F(SignedInMouse, ResetKeepsSlotsAndForgetsTheSelection) {
    Select(0xAD);
    EnrolId();
    mouse.PressReset();
    SignIn(mouse);
    EXPECT_EQ(EnrolPassword(), kRefused);
    EXPECT_EQ(Select(0xAD), Long(0xFE, {0xFF, 0x00}));
    EXPECT_TRUE(std::equal(kSiteId.begin(), kSiteId.end(), mouse.memory().begin() + 0x41));
}

}  // namespace
}  // namespace qmb::emu::test
