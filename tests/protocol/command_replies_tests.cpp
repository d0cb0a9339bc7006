// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "protocol/model_table.h"
#include "protocol/mouse_commands.h"
#include "protocol/state_keeper.h"
#include "tests/support/scripted_platform.h"

namespace qmb {
namespace {

using test::ScriptedPlatform;
using Report = std::vector<uint8_t>;

struct CountingListener : DeviceStateListener {
    int notices = 0;
    void OnDeviceStateChanged() override { ++notices; }
};

// A mouse that answers each report with the reply a test gives for it, and
// the program's record of it, kept as the program keeps it.
struct Mouse {
    ScriptedPlatform platform;
    DeviceLink link{platform, MouseIdentity(0)};
    DeviceState state;
    CountingListener listener;
    StateKeeper keeper{state};
    MouseCommands commands{link, [](std::chrono::milliseconds) {}};

    Mouse()
    {
        ScriptedPlatform::Interface id4;
        ScriptedPlatform::Interface id8;
        id8.buttonReportId = 8;
        id8.inputLength = 9;
        platform.interfaces = {id4, id8};
        keeper.SetListener(&listener);
    }

    void Answer(std::function<Report(const Report&)> responder) { platform.responder = std::move(responder); }
    void Unplug() { platform.interfaces.clear(); }

    // Takes the reply into the state; the result as the mouse's commands
    // have always counted it: 1 done, 0 failed or refused, 2 no free slot.
    template <typename T>
    int Take(const Reply<T>& reply)
    {
        keeper.Take(reply);
        return reply.ok() ? 1 : reply.outcome == Outcome::NoFreeSlot ? 2 : 0;
    }
};

SecretUsages<12> Twelve()
{
    return {};
}

TEST(StatusReplies, StatusFlagsDecodeIntoTheirThreeFields)
{
    Mouse mouse;
    mouse.Answer([](const Report&) { return Report{4, 0xCA, 2, 3, 7, 0, 0xC4, 0}; });
    ASSERT_EQ(mouse.Take(mouse.commands.QueryStatus()), 1);
    EXPECT_EQ(mouse.state.mode, 2);
    EXPECT_EQ(mouse.state.resolution, 3);
    EXPECT_EQ(mouse.state.reportInterval, 7);
    EXPECT_EQ(mouse.state.autoClickOn, 1);
    EXPECT_EQ(mouse.state.siteModeOn, 1);
    EXPECT_EQ(mouse.state.autoClickTarget, 4);
    // Once by the reader, once by the command itself.
    EXPECT_EQ(mouse.listener.notices, 2);
}

TEST(StatusReplies, QueryStatusWithoutReplyReadsZeros)
{
    Mouse mouse;
    mouse.state.mode = 2;
    mouse.state.resolution = 3;
    mouse.state.reportInterval = 4;
    mouse.state.autoClickOn = 1;
    mouse.state.siteModeOn = 1;
    EXPECT_EQ(mouse.Take(mouse.commands.QueryStatus()), 1);
    EXPECT_EQ(mouse.state.mode, 0);
    EXPECT_EQ(mouse.state.resolution, 0);
    EXPECT_EQ(mouse.state.reportInterval, 0);
    EXPECT_EQ(mouse.state.autoClickOn, 0);
    EXPECT_EQ(mouse.state.siteModeOn, 0);
    EXPECT_EQ(mouse.listener.notices, 1);
}

TEST(StatusReplies, AbsentMouseChangesNothing)
{
    Mouse mouse;
    mouse.Unplug();
    mouse.state.mode = 2;
    mouse.state.resolution = 3;
    EXPECT_EQ(mouse.Take(mouse.commands.QueryStatus()), 0);
    EXPECT_EQ(mouse.Take(mouse.commands.WriteStatus(StatusOf(mouse.state))), 0);
    mouse.Take(mouse.commands.ApplyModeButton(StatusOf(mouse.state)));
    EXPECT_EQ(mouse.state.mode, 2);
    EXPECT_EQ(mouse.state.resolution, 3);
    EXPECT_EQ(mouse.listener.notices, 0);
    EXPECT_TRUE(mouse.platform.sent.empty());
}

TEST(StatusReplies, AnyReplyWithStatusCodeIsTakenWhateverItsReportId)
{
    Mouse mouse;
    mouse.Answer([](const Report& output) {
        return output[1] == 0x01 ? Report{8, 0xCA, 2, 3, 7, 0, 0xC4, 0} : Report{4, 0xC5, 1, 2, 4, 8, 16, 0};
    });
    const std::array<uint8_t, 8> statusCause{4, 0x01, 0, 0, 0, 0, 0, 0};
    ASSERT_TRUE(mouse.keeper.Take(mouse.commands.SendRaw(statusCause)).answered);
    EXPECT_EQ(mouse.listener.notices, 1);
    EXPECT_EQ(StatusOf(mouse.state), (StatusFields{2, 3, 7, 1, 1, 4}));

    const std::array<uint8_t, 8> other{4, 0xFF, 0xC5, 0, 0, 0, 0, 0};
    const auto reply = mouse.keeper.Take(mouse.commands.SendRaw(other));
    EXPECT_EQ(mouse.listener.notices, 1);
    EXPECT_EQ(reply.value[1], 0xC5);
}

TEST(StatusReplies, ModeButtonTakesOnlyAStatusReply)
{
    Mouse mouse;
    mouse.state.mode = 1;
    mouse.Answer([](const Report&) { return Report{4, 0x00, 2, 2, 2, 0, 0, 0}; });
    mouse.Take(mouse.commands.ApplyModeButton(StatusOf(mouse.state)));
    EXPECT_EQ(mouse.state.mode, 1);
    EXPECT_EQ(mouse.listener.notices, 0);

    mouse.Answer([](const Report&) { return Report{4, 0xCA, 1, 2, 0, 0, 0x01, 0}; });
    mouse.Take(mouse.commands.ApplyModeButton(StatusOf(mouse.state)));
    EXPECT_EQ(mouse.state.resolution, 2);
    EXPECT_EQ(mouse.state.autoClickTarget, 1);
    EXPECT_EQ(mouse.listener.notices, 2);
}

TEST(MemoryReplies, ButtonMapFunctionKeyAndSequenceAreTakenIn)
{
    Mouse mouse;
    mouse.Answer([](const Report& out) -> Report {
        if (out[0] == 4) {
            return {4, 0xC5, 2, 1, 4, 8, 16, 0};
        }
        if (out[2] == 0x29) {
            return {8, 0xFF, 0x04, 50, 1, 2, 49, 0x41, 0};
        }
        return {8, 0xFF, 2, 0x24, 0x02, 0, 0, 0, 0};
    });
    ASSERT_EQ(mouse.Take(mouse.commands.QueryButtonMap()), 1);
    EXPECT_EQ(mouse.state.buttonMap, (std::array<uint8_t, 5>{2, 1, 4, 8, 16}));
    ASSERT_EQ(mouse.Take(mouse.commands.ReadFunctionKey(0x11)), 1);
    EXPECT_EQ(mouse.state.functionKey, (std::array<uint8_t, 3>{2, 0x24, 0x02}));
    ASSERT_EQ(mouse.Take(mouse.commands.QuerySequence()), 1);
    EXPECT_EQ(mouse.state.runCount, 50);
    EXPECT_EQ(mouse.state.clickOnTime, 1);
    EXPECT_EQ(mouse.state.clickOffTime, 2);
    EXPECT_EQ(mouse.state.runCycle, 49);
    EXPECT_EQ(mouse.state.useRunCycle, 0);
    EXPECT_EQ(mouse.state.sequenceMode, 4);
    EXPECT_EQ(mouse.state.applyButton, 1);
}

TEST(MemoryReplies, StatusReportTheMouseSentByItselfIsNotTakenForTheReply)
{
    Mouse mouse;
    mouse.Answer([&](const Report&) {
        mouse.platform.Push({4, 0xCA, 2, 3, 7, 0, 0x81, 0});
        return Report{4, 0xFF, 2, 1, 4, 8, 16, 0};
    });
    ASSERT_EQ(mouse.Take(mouse.commands.QueryButtonMap()), 1);
    EXPECT_EQ(mouse.state.buttonMap, (std::array<uint8_t, 5>{2, 1, 4, 8, 16}));
    EXPECT_EQ(mouse.state.mode, 2);
    EXPECT_EQ(mouse.state.autoClickOn, 1);
    EXPECT_EQ(mouse.listener.notices, 1);
}

TEST(MemoryReplies, AReplyOfTheMemoryCollectionIsNeverTakenForAStrayReport)
{
    // The mouse reports its state by itself only on collection 4; on
    // collection 8 a reply whose byte 1 is the status code is still the
    // reply.
    Mouse mouse;
    mouse.Answer([](const Report& out) -> Report {
        switch (out[1]) {
        case 0xFA:
            return {8, 0xCA, 0xFF, 0xFF, 0, 0, 0x40, 0, 0};
        case 0xFF:
            return {8, 0xCA, 0x04, 50, 1, 2, 49, 0x41, 0};
        default:
            return {8, 0xCA, 0x41, 0, 0, 0, 0, 0, 0};
        }
    });
    EXPECT_EQ(mouse.Take(mouse.commands.QueryLockFlags()), 1);
    EXPECT_EQ(mouse.state.mousePasswordMode, 1);
    EXPECT_EQ(mouse.state.shortPasswordMode, 1);
    EXPECT_EQ(mouse.Take(mouse.commands.QuerySequence()), 1);
    EXPECT_EQ(mouse.state.runCount, 50);
    EXPECT_EQ(mouse.state.sequenceMode, 4);
    EXPECT_EQ(mouse.Take(mouse.commands.EnrollSiteId(Twelve())), 1);
    // Four reports, each read once: no reply was thrown away waiting for
    // another.
    EXPECT_EQ(mouse.platform.sent.size(), 4u);
}

TEST(MemoryReplies, FailedQueriesKeepThePreviousValues)
{
    Mouse mouse;
    mouse.Unplug();
    mouse.state.buttonMap = {1, 2, 4, 8, 16};
    mouse.state.runCount = 7;
    EXPECT_EQ(mouse.Take(mouse.commands.QueryButtonMap()), 0);
    EXPECT_EQ(mouse.Take(mouse.commands.QuerySequence()), 0);
    EXPECT_EQ(mouse.state.buttonMap, (std::array<uint8_t, 5>{1, 2, 4, 8, 16}));
    EXPECT_EQ(mouse.state.runCount, 7);
}

TEST(SignInReplies, OnlyAStatusReplyToTheSecondHalfIsAcceptance)
{
    Mouse mouse;
    mouse.Answer([](const Report& out) -> Report {
        if (out[1] == 0xF2) {
            return {8, 0xCA, 2, 3, 1, 0, 0x40, 0, 0};
        }
        return {8, out[1], 0, 0, 0, 0, 0, 0, 0};
    });
    EXPECT_EQ(mouse.Take(mouse.commands.SignInMousePassword(Twelve())), 1);
    EXPECT_EQ(mouse.state.siteModeOn, 1);
    EXPECT_EQ(mouse.state.mode, 2);

    mouse.Answer([](const Report& out) { return Report{8, out[1], 0, 0, 0, 0, 0, 0, 0}; });
    mouse.state.siteModeOn = 0;
    EXPECT_EQ(mouse.Take(mouse.commands.SignInMousePassword(Twelve())), 0);
    EXPECT_EQ(mouse.Take(mouse.commands.SignInShortPassword({})), 0);
    EXPECT_EQ(mouse.state.siteModeOn, 0);

    mouse.Answer([](const Report&) { return Report{8, 0xCA, 2, 3, 1, 0, 0x40, 0, 0}; });
    EXPECT_EQ(mouse.Take(mouse.commands.SignInShortPassword({})), 1);
    EXPECT_EQ(mouse.state.siteModeOn, 1);

    mouse.Unplug();
    EXPECT_EQ(mouse.Take(mouse.commands.SignInMousePassword(Twelve())), 0);
}

TEST(SignInReplies, SignOutDecodesItsReplyWithoutLookingAtByteOne)
{
    Mouse mouse;
    mouse.state.siteModeOn = 1;
    mouse.Answer([](const Report&) { return Report{8, 0xF6, 2, 3, 1, 0, 0x81, 0, 0}; });
    EXPECT_EQ(mouse.Take(mouse.commands.SignOut()), 1);
    EXPECT_EQ(mouse.state.siteModeOn, 0);
    EXPECT_EQ(mouse.state.autoClickOn, 1);
    EXPECT_EQ(mouse.listener.notices, 1);
}

TEST(SiteReplies, SelectSiteTellsWhichSlotsTheSiteHas)
{
    Mouse mouse;
    mouse.Answer([](const Report&) { return Report{8, 0xFE, 0xFF, 0x00, 0, 0, 0, 0, 0}; });
    EXPECT_EQ(mouse.keeper.Take(mouse.commands.SelectSite(0xAD)).value.complete, 0);
    EXPECT_EQ(mouse.state.siteIdAssigned, 1);
    EXPECT_EQ(mouse.state.sitePasswordAssigned, 0);
    EXPECT_EQ(mouse.state.siteComplete, 0);

    mouse.Answer([](const Report&) { return Report{8, 0xFE, 0xFF, 0xFF, 0, 0, 0, 0, 0}; });
    EXPECT_EQ(mouse.keeper.Take(mouse.commands.SelectSite(0xAD)).value.complete, 1);
    EXPECT_EQ(mouse.state.siteComplete, 1);

    mouse.Unplug();
    EXPECT_EQ(mouse.keeper.Take(mouse.commands.SelectSite(0xAD)).value.complete, 0);
    EXPECT_EQ(mouse.state.siteComplete, 0);
    EXPECT_EQ(mouse.state.siteIdAssigned, 1);
}

TEST(SiteReplies, SiteEntryRowsComeFromTheSlotTables)
{
    Mouse mouse;
    mouse.Answer([](const Report&) { return Report{8, 0xFF, 0x4D, 0x89, 0, 0, 0, 0, 0}; });
    SiteEntryRows rows = mouse.commands.ReadSiteEntry(0xAF).value;
    EXPECT_EQ(rows.idRow, 2);
    EXPECT_EQ(rows.passwordRow, 3);

    mouse.Answer([](const Report&) { return Report{8, 0xFF, 0x42, 0x71, 0, 0, 0, 0, 0}; });
    rows = mouse.commands.ReadSiteEntry(0xAF).value;
    EXPECT_EQ(rows.idRow, 5);
    EXPECT_EQ(rows.passwordRow, 1);

    mouse.Answer([](const Report&) { return Report{}; });
    rows = mouse.commands.ReadSiteEntry(0xAF).value;
    EXPECT_EQ(rows.idRow, 0);
    EXPECT_EQ(rows.passwordRow, 0);
}

TEST(SiteReplies, EnrolmentTellsStoredFromNoFreeSlot)
{
    Mouse mouse;
    mouse.Answer([](const Report& out) { return Report{8, out[1], 0x41, 0, 0, 0, 0, 0, 0}; });
    EXPECT_EQ(mouse.Take(mouse.commands.EnrollSiteId(Twelve())), 1);
    mouse.Answer([](const Report& out) { return Report{8, out[1], 0x00, 0, 0, 0, 0, 0, 0}; });
    EXPECT_EQ(mouse.Take(mouse.commands.EnrollSitePassword(Twelve())), 2);
    mouse.Unplug();
    EXPECT_EQ(mouse.Take(mouse.commands.EnrollSiteId(Twelve())), 0);
}

TEST(Sequences, AFailedSecondSendClosesTheDeviceAndFails)
{
    Mouse mouse;
    mouse.Answer([&](const Report&) {
        mouse.platform.sendFails = true;
        return Report{8, 0x2F, 0, 0, 0, 0, 0, 0, 0};
    });
    EXPECT_EQ(mouse.Take(mouse.commands.WriteMousePassword(Twelve())), 0);
    EXPECT_EQ(mouse.platform.sent.size(), 1u);
    EXPECT_EQ(mouse.platform.openHandles, 0);
}

TEST(Sequences, TheMouseGetsItsRealHalfSecondBetweenHalves)
{
    ScriptedPlatform platform;
    ScriptedPlatform::Interface id8;
    id8.buttonReportId = 8;
    id8.inputLength = 9;
    platform.interfaces = {id8};
    std::vector<std::chrono::steady_clock::time_point> sentAt;
    platform.responder = [&](const Report&) {
        sentAt.push_back(std::chrono::steady_clock::now());
        return Report{8, 0, 0, 0, 0, 0, 0, 0, 0};
    };
    DeviceLink link(platform, MouseIdentity(0));
    MouseCommands commands(link);
    ASSERT_TRUE(commands.WriteMousePassword(Twelve()).ok());
    ASSERT_EQ(sentAt.size(), 2u);
    EXPECT_GE(sentAt[1] - sentAt[0], std::chrono::milliseconds(500));
    EXPECT_LT(sentAt[1] - sentAt[0], std::chrono::milliseconds(700));
}

}  // namespace
}  // namespace qmb
