// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// What each user action sends to the demo mouse and what it comes to,
// whichever window or command asks for it.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "actions/button_actions.h"
#include "actions/password_actions.h"
#include "actions/secret_rules.h"
#include "actions/site_actions.h"
#include "actions/status_actions.h"
#include "device/report_trace.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "protocol/secret_bytes.h"
#include "tests/support/report_interloper.h"
#include "tests/support/scripted_platform.h"

namespace qmb {
namespace {

using Wire = std::vector<std::string>;

EmulatedPlatform::Faults Silent()
{
    EmulatedPlatform::Faults faults;
    faults.noReply = true;
    return faults;
}

// A fresh run of a program against the demo mouse: nothing known yet.
struct DemoMouse {
    explicit DemoMouse(int model = 0) : mouse(model), session(mouse, model) { mouse.RecordSentReports(); }

    Wire Sent()
    {
        Wire wire;
        for (const auto& report : mouse.TakeSentReports()) {
            wire.push_back(FormatReport(report, SecretStartOfOutput(report)));
        }
        return wire;
    }

    // The mouse with a password, signed in.
    void SignedIn()
    {
        ReadLockState(session);
        ASSERT_EQ(SetMousePassword(session, "Ab1", "Ab1"), ActionResult::Done);
        ASSERT_EQ(ReadLockState(session), ActionResult::Done);
        ASSERT_EQ(SignIn(session, "Ab1"), ActionResult::Done);
        Sent();
    }

    EmulatedPlatform mouse;
    DeviceSession session;
};

TEST(DemoMouse, KeepsTheReportsItWasSentOnlyWhenATestAsks)
{
    EmulatedPlatform mouse;
    DeviceSession session(mouse, 0);
    ReadStatus(session);
    EXPECT_TRUE(mouse.TakeSentReports().empty());
    mouse.RecordSentReports();
    ReadStatus(session);
    EXPECT_EQ(mouse.TakeSentReports().size(), 1u);
}

TEST(StatusActions, AStateNeverReadIsReadFirstAndNeverWrittenAsZeros)
{
    struct Case {
        const char* name;
        std::function<void(EmulatedPlatform&)> fault;
        ActionResult result;
        Wire wire;
    };
    const std::vector<Case> cases{
        {"mouse there", [](EmulatedPlatform&) {}, ActionResult::Done,
         {"04 FF CA 00 00 00 00 00", "04 CA 01 02 01 00 01 00"}},
        {"mouse gone", [](EmulatedPlatform& mouse) { mouse.Unplug(); }, ActionResult::NoMouse, {}},
        {"mouse silent", [](EmulatedPlatform& mouse) { mouse.SetFaults(Silent()); },
         ActionResult::NoAnswer, {"04 FF CA 00 00 00 00 00"}},
    };
    for (const auto& c : cases) {
        DemoMouse demo;
        c.fault(demo.mouse);
        EXPECT_EQ(ChangeStatus(demo.session, {.resolution = 2}), c.result) << c.name;
        EXPECT_EQ(demo.Sent(), c.wire) << c.name;
        // The panel goes on showing the user's choice.
        EXPECT_EQ(demo.session.state.resolution, 2) << c.name;
    }
}

TEST(ButtonActions, ASaveSwitchesTheModeWhetherOrNotTheMouseTookIt)
{
    DemoMouse demo;
    ReadStatus(demo.session);
    demo.Sent();
    // A mask of two buttons: the mouse refuses the whole map.
    EXPECT_EQ(SaveButtonMap(demo.session, {3, 2, 4, 8, 16}), ActionResult::Done);
    EXPECT_EQ(demo.Sent(), (Wire{"04 C5 03 02 04 08 10 00", "04 CA 01 03 01 00 01 00"}));
    EXPECT_EQ(SaveFunctionKey(demo.session, 4, 5), ActionResult::Done);
    EXPECT_EQ(demo.Sent(), (Wire{"08 23 01 01 06 00 00 00 00", "04 CA 02 03 01 00 01 00"}));
}

TEST(ButtonActions, TheThreeButtonModelKeepsWhatItsButtons4And5Hold)
{
    DemoMouse demo(2);
    EXPECT_EQ(SaveButtonMap(demo.session, {2, 1, 4, 16, 8}), ActionResult::Done);
    EXPECT_EQ(demo.Sent(), (Wire{"04 FF CA 00 00 00 00 00", "04 FF C5 00 00 00 00 00", "04 C5 02 01 04 08 10 00",
                                 "04 CA 01 03 01 00 01 00"}));
}

TEST(PasswordActions, InputFaultsComeFirstAndSendNothing)
{
    struct Case {
        SecretKind kind;
        const char* text;
        ActionResult result;
    };
    for (const Case& c : std::vector<Case>{
             {SecretKind::MousePassword, "", ActionResult::EmptyInput},
             {SecretKind::MousePassword, "ab*", ActionResult::InvalidKeys},
             {SecretKind::SiteId, "ab*", ActionResult::Done},
             {SecretKind::SitePassword, "a b", ActionResult::InvalidKeys},
             {SecretKind::SiteId, "\xED\x95\x9C", ActionResult::InvalidKeys},
             {SecretKind::ShortPassword, "123456", ActionResult::Done},
             {SecretKind::ShortPassword, "1234567", ActionResult::InvalidKeys},
             {SecretKind::SitePassword, "1234567890123", ActionResult::InvalidKeys},
         }) {
        EXPECT_EQ(CheckSecret(c.kind, c.text), c.result) << c.text;
    }
    EXPECT_EQ(CheckNewPassword("ab1", ""), ActionResult::EmptyInput);
    EXPECT_EQ(CheckNewPassword("ab*", "ab1"), ActionResult::NotMatching);
    EXPECT_EQ(CheckNewPassword("ab*", "ab*"), ActionResult::InvalidKeys);

    // An empty field is told before the mouse's own state is.
    DemoMouse demo;
    EXPECT_EQ(SignIn(demo.session, ""), ActionResult::EmptyInput);
    EXPECT_EQ(SignIn(demo.session, "Ab1"), ActionResult::NoPasswordYet);
    EXPECT_EQ(SetShortPassword(demo.session, "12"), ActionResult::SignInFirst);
    EXPECT_TRUE(demo.Sent().empty());
}

TEST(PasswordActions, ASignInTheMouseTurnsDownIsToldFromOneItNeverAnswered)
{
    DemoMouse demo;
    demo.SignedIn();
    SignOut(demo.session);
    EXPECT_EQ(SignIn(demo.session, "Ab2"), ActionResult::WrongPassword);
    demo.mouse.SetFaults(Silent());
    EXPECT_EQ(SignIn(demo.session, "Ab1"), ActionResult::NoAnswer);
    demo.mouse.SetFaults({});
    EXPECT_EQ(SignIn(demo.session, "Ab1"), ActionResult::Done);
    EXPECT_EQ(demo.session.state.siteModeOn, 1);
}

TEST(PasswordActions, APasswordIsSaidSavedOnlyWhenTheMouseTakesIt)
{
    struct Case {
        bool replacing;
        bool reportBetweenHalves;
        ActionResult result;
        ActionResult signInAfter;  // by another program, with the new password
    };
    for (const Case& c : std::vector<Case>{
             {false, false, ActionResult::Done, ActionResult::Done},
             {false, true, ActionResult::NotStored, ActionResult::NoPasswordYet},
             {true, false, ActionResult::Done, ActionResult::Done},
             {true, true, ActionResult::NotStored, ActionResult::WrongPassword},
         }) {
        DemoMouse demo;
        c.replacing ? demo.SignedIn() : static_cast<void>(ReadLockState(demo.session));
        std::optional<test::ReportInterloper> interloper;
        if (c.reportBetweenHalves) {
            interloper.emplace(demo.mouse);
        }
        EXPECT_EQ(SetMousePassword(demo.session, "New1", "New1"), c.result);
        DeviceSession later(demo.mouse, 0);
        ReadLockState(later);
        EXPECT_EQ(SignIn(later, "New1"), c.signInAfter);
    }
}

TEST(PasswordActions, TheLockFlagsAreAskedOnlyOfAMouseWithAPassword)
{
    test::ScriptedPlatform platform;
    platform.interfaces = test::ScriptedPlatform::TheMousesCollections();
    platform.responder = [](const auto& out) -> test::ScriptedPlatform::Report {
        return out[1] == 0xFA ? test::ScriptedPlatform::Report{8, 0xFA, 0xFF, 0x00, 0, 0, 0x40, 0, 0}
                              : test::ScriptedPlatform::Report{8, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0};
    };
    DeviceSession session(platform, 0);
    EXPECT_EQ(ReadLockState(session), ActionResult::Done);
    EXPECT_EQ(session.state.mousePasswordEnrolled, 1);
    EXPECT_TRUE(SignInAsksShortPassword(session.state));
    EXPECT_EQ(session.state.siteModeOn, 1);

    platform.responder = [](const auto& out) { return test::ScriptedPlatform::Report{8, out[1], 0, 0, 0, 0, 0, 0, 0}; };
    platform.sent.clear();
    EXPECT_EQ(ReadLockState(session), ActionResult::Done);
    EXPECT_EQ(session.state.mousePasswordEnrolled, 0);
    EXPECT_EQ(platform.sent.size(), 1u);
}

TEST(SiteActions, SecretsGoToTheChosenSiteRewritingItsOwnSlot)
{
    DemoMouse demo;
    EXPECT_EQ(SaveSiteSecret(demo.session, SiteItem::Id, "me"), ActionResult::SignInFirst);
    demo.SignedIn();
    ShowSite(demo.session, 2);
    EXPECT_EQ(SaveSiteSecret(demo.session, SiteItem::Password, "pw1"), ActionResult::NoIdYet);
    EXPECT_EQ(DeleteSiteSecret(demo.session, SiteItem::Id), ActionResult::NothingToDelete);
    EXPECT_EQ(SaveSiteSecret(demo.session, SiteItem::Id, "me"), ActionResult::Done);
    EXPECT_EQ(demo.Sent(), (Wire{"08 FF B1 00 00 00 00 00 00", "08 FE 01 B1 00 00 00 00 00",
                                 "08 FE 01 B1 00 00 00 00 00", "08 F1 ** ** ** ** ** ** **",
                                 "08 F3 ** ** ** ** ** ** **"}));

    // Its entry read again, the ID has a slot of its own to rewrite.
    ShowSite(demo.session, 2);
    EXPECT_TRUE(SiteHasSlot(demo.session.state, SiteItem::Id));
    demo.Sent();
    EXPECT_EQ(SaveSiteSecret(demo.session, SiteItem::Id, "you"), ActionResult::Done);
    EXPECT_EQ(SaveSiteSecret(demo.session, SiteItem::Password, "pw1"), ActionResult::Done);
    EXPECT_EQ(demo.Sent(), (Wire{"08 FE 01 B1 00 00 00 00 00", "08 41 ** ** ** ** ** ** **",
                                 "08 47 ** ** ** ** ** ** **", "08 FE 01 B1 00 00 00 00 00",
                                 "08 F1 ** ** ** ** ** ** **", "08 F4 ** ** ** ** ** ** **"}));
}

TEST(SiteActions, NoFreeSlotIsSaidOnlyWhenEverySlotIsTaken)
{
    struct Case {
        int sitesFirst;  // sites given an ID before
        bool reportBetweenHalves;
        ActionResult result;
    };
    for (const Case& c : {Case{0, true, ActionResult::NotStored}, Case{4, false, ActionResult::NoFreeSlot}}) {
        DemoMouse demo;
        demo.SignedIn();
        for (int site = 0; site < c.sitesFirst; ++site) {
            ShowSite(demo.session, site);
            ASSERT_EQ(SaveSiteSecret(demo.session, SiteItem::Id, "me"), ActionResult::Done);
        }
        ShowSite(demo.session, 9);
        std::optional<test::ReportInterloper> interloper;
        if (c.reportBetweenHalves) {
            interloper.emplace(demo.mouse);
        }
        EXPECT_EQ(SaveSiteSecret(demo.session, SiteItem::Id, "you"), c.result) << c.sitesFirst;
    }
}

}  // namespace
}  // namespace qmb
