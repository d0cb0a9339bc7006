#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "protocol/mouse_commands.h"
#include "tests/support/scripted_platform.h"

namespace qmb {
namespace {

using test::ScriptedPlatform;
using Report = std::vector<uint8_t>;

struct CommandCase {
    std::string name;
    std::function<void(DeviceState&)> setUp;
    std::function<int(MouseCommands&)> run;
    std::vector<Report> wire;
    int result = 1;
};

void PrintTo(const CommandCase& c, std::ostream* os)
{
    *os << c.name;
}

constexpr std::array<uint8_t, 12> kTwelve{0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};

class CommandBytes : public testing::TestWithParam<CommandCase> {};

TEST_P(CommandBytes, SendsExactlyTheseReportsWithTheMousesPauses)
{
    ScriptedPlatform platform;
    ScriptedPlatform::Interface id4;
    ScriptedPlatform::Interface id8;
    id8.buttonReportId = 8;
    id8.inputLength = 9;
    platform.interfaces = {id4, id8};
    DeviceLink link(platform);
    DeviceState state;
    std::vector<std::chrono::milliseconds> pauses;
    MouseCommands commands(link, state, [&](std::chrono::milliseconds pause) { pauses.push_back(pause); });
    if (GetParam().setUp) {
        GetParam().setUp(state);
    }

    EXPECT_EQ(GetParam().run(commands), GetParam().result);
    EXPECT_EQ(platform.sent, GetParam().wire);
    const size_t reports = GetParam().wire.size();
    EXPECT_EQ(pauses, std::vector<std::chrono::milliseconds>(reports > 0 ? reports - 1 : 0,
                                                             std::chrono::milliseconds(500)));
    EXPECT_EQ(platform.openHandles, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandBytes,
    testing::Values(
        CommandCase{"QueryStatus", nullptr, [](MouseCommands& c) { return c.QueryStatus(); },
                    {{4, 0xFF, 0xCA, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteStatus",
                    [](DeviceState& s) {
                        s.mode = 2;
                        s.resolution = 3;
                        s.reportInterval = 7;
                        s.autoClickOn = 1;
                        s.autoClickTarget = 2;
                    },
                    [](MouseCommands& c) { return c.WriteStatus(); },
                    {{4, 0xCA, 2, 3, 7, 0, 0x82, 0}}},
        CommandCase{"WriteStatusSiteMode",
                    [](DeviceState& s) {
                        s.mode = 2;
                        s.resolution = 1;
                        s.siteModeOn = 1;
                        s.autoClickTarget = 4;
                    },
                    [](MouseCommands& c) { return c.WriteStatus(); },
                    {{4, 0xCA, 2, 1, 0, 0, 0x44, 0}}},
        CommandCase{"ApplyModeButton", [](DeviceState& s) { s.mode = 1; },
                    [](MouseCommands& c) {
                        c.ApplyModeButton();
                        return 1;
                    },
                    {{4, 0xCA, 1, 0, 0, 0, 0, 0}}},
        CommandCase{"QueryButtonMap", nullptr, [](MouseCommands& c) { return c.QueryButtonMap(); },
                    {{4, 0xFF, 0xC5, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteButtonMap", [](DeviceState& s) { s.buttonMap = {2, 1, 4, 8, 16}; },
                    [](MouseCommands& c) { return c.WriteButtonMap(); },
                    {{4, 0xC5, 2, 1, 4, 8, 16, 0}}},
        CommandCase{"ReadFunctionKey", nullptr, [](MouseCommands& c) { return c.ReadFunctionKey(0x0B); },
                    {{8, 0xFF, 0x0B, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteFunctionKeyDefault", nullptr, [](MouseCommands& c) { return c.WriteFunctionKey(0x23); },
                    {{8, 0x23, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteFunctionKeyCopy", [](DeviceState& s) { s.functionKey = {1, 0x01, 0x06}; },
                    [](MouseCommands& c) { return c.WriteFunctionKey(0x11); },
                    {{8, 0x11, 1, 1, 6, 0, 0, 0, 0}}},
        CommandCase{"QuerySequence", nullptr, [](MouseCommands& c) { return c.QuerySequence(); },
                    {{8, 0xFF, 0x29, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteSequence",
                    [](DeviceState& s) {
                        s.runCount = 50;
                        s.clickOnTime = 1;
                        s.clickOffTime = 1;
                        s.runCycle = 49;
                        s.sequenceMode = 2;
                        s.useRunCycle = 1;
                        s.applyButton = 2;
                    },
                    [](MouseCommands& c) { return c.WriteSequence(); },
                    {{8, 0x29, 0x04, 0x32, 0x01, 0x01, 0x31, 0xA2, 0}}},
        CommandCase{"WriteMousePassword", [](DeviceState& s) { s.passwordUsages = kTwelve; },
                    [](MouseCommands& c) { return c.WriteMousePassword(); },
                    {{8, 0x2F, 4, 5, 6, 7, 8, 9, 0}, {8, 0x35, 10, 11, 12, 13, 14, 15, 0}}},
        CommandCase{"WriteMousePasswordOfSeven",
                    [](DeviceState& s) { s.passwordUsages = {4, 5, 6, 7, 8, 9, 10, 0, 0, 0, 0, 0}; },
                    [](MouseCommands& c) { return c.WriteMousePassword(); },
                    {{8, 0x2F, 4, 5, 6, 7, 8, 9, 0}, {8, 0x35, 10, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteShortPassword", [](DeviceState& s) { s.shortPasswordUsages = {0x1E, 0x1F, 0x20, 0, 0, 0}; },
                    [](MouseCommands& c) { return c.WriteShortPassword(); },
                    {{8, 0x3B, 0x1E, 0x1F, 0x20, 0, 0, 0, 0}}},
        CommandCase{"ClearShortPassword", [](DeviceState& s) { s.shortPasswordUsages = {1, 2, 3, 4, 5, 6}; },
                    [](MouseCommands& c) { return c.ClearShortPassword(); }, {{8, 0x3B, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"SignInMousePassword", [](DeviceState& s) { s.passwordUsages = kTwelve; },
                    [](MouseCommands& c) { return c.SignInMousePassword(); },
                    {{8, 0xF1, 4, 5, 6, 7, 8, 9, 0}, {8, 0xF2, 10, 11, 12, 13, 14, 15, 0}},
                    0},
        CommandCase{"SignInShortPassword", [](DeviceState& s) { s.shortPasswordUsages = {4, 5, 6, 7, 8, 9}; },
                    [](MouseCommands& c) { return c.SignInShortPassword(); },
                    {{8, 0xFD, 4, 5, 6, 7, 8, 9, 0}},
                    0},
        CommandCase{"SignOut", nullptr, [](MouseCommands& c) { return c.SignOut(); },
                    {{8, 0xF6, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"QuerySupport", nullptr, [](MouseCommands& c) { return c.QuerySupport(); },
                    {{8, 0xF5, 0, 0, 0, 0, 0, 0, 0}},
                    0},
        CommandCase{"QueryPasswordEnrolled", nullptr, [](MouseCommands& c) { return c.QueryPasswordEnrolled(); },
                    {{8, 0xFF, 0xF9, 0x2F, 0, 0, 0, 0, 0}},
                    0},
        CommandCase{"QueryLockFlags", nullptr, [](MouseCommands& c) { return c.QueryLockFlags(); },
                    {{8, 0xFA, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"SelectLastSite", nullptr, [](MouseCommands& c) { return c.SelectSite(0xE9); },
                    {{8, 0xFE, 0x01, 0xE9, 0, 0, 0, 0, 0}},
                    0},
        CommandCase{"ReadSiteEntry", nullptr,
                    [](MouseCommands& c) {
                        SiteEntryRows rows;
                        return c.ReadSiteEntry(0xAD, rows);
                    },
                    {{8, 0xFF, 0xAD, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"EnrollSiteId", [](DeviceState& s) { s.siteIdUsages = kTwelve; },
                    [](MouseCommands& c) { return c.EnrollSiteId(); },
                    {{8, 0xF1, 4, 5, 6, 7, 8, 9, 0}, {8, 0xF3, 10, 11, 12, 13, 14, 15, 0}},
                    2},
        CommandCase{"EnrollSitePassword", [](DeviceState& s) { s.sitePasswordUsages = kTwelve; },
                    [](MouseCommands& c) { return c.EnrollSitePassword(); },
                    {{8, 0xF1, 4, 5, 6, 7, 8, 9, 0}, {8, 0xF4, 10, 11, 12, 13, 14, 15, 0}},
                    2},
        CommandCase{"WriteSiteIdSlot",
                    [](DeviceState& s) {
                        s.siteIdUsages = kTwelve;
                        s.siteIdSlot = 2;
                    },
                    [](MouseCommands& c) { return c.WriteSiteIdSlot(); },
                    {{8, 0x4D, 4, 5, 6, 7, 8, 9, 0}, {8, 0x53, 10, 11, 12, 13, 14, 15, 0}}},
        CommandCase{"WriteSitePasswordSlot",
                    [](DeviceState& s) {
                        s.sitePasswordUsages = kTwelve;
                        s.sitePasswordSlot = 5;
                    },
                    [](MouseCommands& c) { return c.WriteSitePasswordSlot(); },
                    {{8, 0xA1, 4, 5, 6, 7, 8, 9, 0}, {8, 0xA7, 10, 11, 12, 13, 14, 15, 0}}},
        CommandCase{"ClearSiteIdSlot", [](DeviceState& s) { s.siteIdSlot = 1; },
                    [](MouseCommands& c) { return c.ClearSiteIdSlot(); },
                    {{8, 0x41, 0, 0, 0, 0, 0, 0, 0}, {8, 0x47, 0, 0, 0, 0, 0, 0, 0}, {8, 0xAD, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"ClearSitePasswordSlot", [](DeviceState& s) { s.sitePasswordSlot = 3; },
                    [](MouseCommands& c) { return c.ClearSitePasswordSlot(); },
                    {{8, 0x89, 0, 0, 0, 0, 0, 0, 0}, {8, 0x8F, 0, 0, 0, 0, 0, 0, 0}, {8, 0xAD, 0, 0, 0, 0, 0, 0, 0}}},
        // Row 0 means "not registered" and rows past the tables name no slot:
        // nothing may reach the mouse's memory for them.
        CommandCase{"WriteIdSlotRowZero", [](DeviceState& s) { s.siteIdSlot = 0; },
                    [](MouseCommands& c) { return c.WriteSiteIdSlot(); }, {}, 0},
        CommandCase{"ClearIdSlotPastTable", [](DeviceState& s) { s.siteIdSlot = 5; },
                    [](MouseCommands& c) { return c.ClearSiteIdSlot(); }, {}, 0},
        CommandCase{"WritePasswordSlotPastTable", [](DeviceState& s) { s.sitePasswordSlot = 6; },
                    [](MouseCommands& c) { return c.WriteSitePasswordSlot(); }, {}, 0},
        CommandCase{"ClearPasswordSlotRowZero", [](DeviceState& s) { s.sitePasswordSlot = 0; },
                    [](MouseCommands& c) { return c.ClearSitePasswordSlot(); }, {}, 0}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

}  // namespace
}  // namespace qmb
