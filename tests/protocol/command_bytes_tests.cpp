// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "protocol/model_table.h"
#include "protocol/mouse_commands.h"
#include "tests/support/scripted_platform.h"

namespace qmb {
namespace {

using test::ScriptedPlatform;
using Report = std::vector<uint8_t>;

struct CommandCase {
    std::string name;
    // Runs the command; its result as the mouse's commands have always
    // counted it: 1 done, 0 failed, 2 no free slot.
    std::function<int(MouseCommands&)> run;
    std::vector<Report> wire;
    int result = 1;
};

template <typename T>
int Counted(const Reply<T>& reply)
{
    return reply.ok() ? 1 : reply.outcome == Outcome::NoFreeSlot ? 2 : 0;
}

template <size_t N>
SecretUsages<N> Usages(const std::array<uint8_t, N>& bytes)
{
    SecretUsages<N> usages;
    std::copy(bytes.begin(), bytes.end(), usages.bytes().begin());
    return usages;
}

StatusFields Status(uint8_t mode, uint8_t resolution, uint8_t interval, int32_t autoClick, int32_t siteMode,
                    uint8_t target)
{
    return {mode, resolution, interval, autoClick, siteMode, target};
}

void PrintTo(const CommandCase& c, std::ostream* os)
{
    *os << c.name;
}

constexpr std::array<uint8_t, 12> kTwelve{0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};
constexpr std::array<uint8_t, 12> kSeven{4, 5, 6, 7, 8, 9, 10, 0, 0, 0, 0, 0};

class CommandBytes : public testing::TestWithParam<CommandCase> {};

TEST_P(CommandBytes, SendsExactlyTheseReportsWithTheMousesPauses)
{
    ScriptedPlatform platform;
    platform.interfaces = ScriptedPlatform::TheMousesCollections();
    DeviceLink link(platform, MouseIdentity(0));
    std::vector<std::chrono::milliseconds> pauses;
    MouseCommands commands(link, [&](std::chrono::milliseconds pause) { pauses.push_back(pause); });

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
        CommandCase{"QueryStatus", [](MouseCommands& c) { return Counted(c.QueryStatus()); },
                    {{4, 0xFF, 0xCA, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteStatus", [](MouseCommands& c) { return Counted(c.WriteStatus(Status(2, 3, 7, 1, 0, 2))); },
                    {{4, 0xCA, 2, 3, 7, 0, 0x82, 0}}},
        CommandCase{"WriteStatusSiteMode",
                    [](MouseCommands& c) { return Counted(c.WriteStatus(Status(2, 1, 0, 0, 1, 4))); },
                    {{4, 0xCA, 2, 1, 0, 0, 0x44, 0}}},
        CommandCase{"ApplyModeButton",
                    [](MouseCommands& c) {
                        c.ApplyModeButton(Status(1, 0, 0, 0, 0, 0));
                        return 1;
                    },
                    {{4, 0xCA, 1, 0, 0, 0, 0, 0}}},
        CommandCase{"QueryButtonMap", [](MouseCommands& c) { return Counted(c.QueryButtonMap()); },
                    {{4, 0xFF, 0xC5, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteButtonMap", [](MouseCommands& c) { return Counted(c.WriteButtonMap({2, 1, 4, 8, 16})); },
                    {{4, 0xC5, 2, 1, 4, 8, 16, 0}}},
        CommandCase{"ReadFunctionKey", [](MouseCommands& c) { return Counted(c.ReadFunctionKey(0x0B)); },
                    {{8, 0xFF, 0x0B, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteFunctionKeyDefault", [](MouseCommands& c) { return Counted(c.WriteFunctionKey(0x23, {})); },
                    {{8, 0x23, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteFunctionKeyCopy",
                    [](MouseCommands& c) { return Counted(c.WriteFunctionKey(0x11, {1, 0x01, 0x06})); },
                    {{8, 0x11, 1, 1, 6, 0, 0, 0, 0}}},
        CommandCase{"QuerySequence", [](MouseCommands& c) { return Counted(c.QuerySequence()); },
                    {{8, 0xFF, 0x29, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteSequence",
                    [](MouseCommands& c) { return Counted(c.WriteSequence({50, 1, 1, 49, 1, 2, 2})); },
                    {{8, 0x29, 0x04, 0x32, 0x01, 0x01, 0x31, 0xA2, 0}}},
        CommandCase{"WriteMousePassword", [](MouseCommands& c) { return Counted(c.WriteMousePassword(Usages(kTwelve))); },
                    {{8, 0x2F, 4, 5, 6, 7, 8, 9, 0}, {8, 0x35, 10, 11, 12, 13, 14, 15, 0}}},
        CommandCase{"WriteMousePasswordOfSeven",
                    [](MouseCommands& c) { return Counted(c.WriteMousePassword(Usages(kSeven))); },
                    {{8, 0x2F, 4, 5, 6, 7, 8, 9, 0}, {8, 0x35, 10, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"WriteShortPassword",
                    [](MouseCommands& c) {
                        return Counted(c.WriteShortPassword(Usages<6>({0x1E, 0x1F, 0x20, 0, 0, 0})));
                    },
                    {{8, 0x3B, 0x1E, 0x1F, 0x20, 0, 0, 0, 0}}},
        CommandCase{"ClearShortPassword", [](MouseCommands& c) { return Counted(c.ClearShortPassword()); },
                    {{8, 0x3B, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"SignInMousePassword",
                    [](MouseCommands& c) { return Counted(c.SignInMousePassword(Usages(kTwelve))); },
                    {{8, 0xF1, 4, 5, 6, 7, 8, 9, 0}, {8, 0xF2, 10, 11, 12, 13, 14, 15, 0}},
                    0},
        CommandCase{"SignInShortPassword",
                    [](MouseCommands& c) { return Counted(c.SignInShortPassword(Usages<6>({4, 5, 6, 7, 8, 9}))); },
                    {{8, 0xFD, 4, 5, 6, 7, 8, 9, 0}},
                    0},
        CommandCase{"SignOut", [](MouseCommands& c) { return Counted(c.SignOut()); },
                    {{8, 0xF6, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"QuerySupport", [](MouseCommands& c) { return c.QuerySupport().value.supported ? 1 : 0; },
                    {{8, 0xF5, 0, 0, 0, 0, 0, 0, 0}},
                    0},
        CommandCase{"QueryPasswordEnrolled",
                    [](MouseCommands& c) { return c.QueryPasswordEnrolled().value.enrolled ? 1 : 0; },
                    {{8, 0xFF, 0xF9, 0x2F, 0, 0, 0, 0, 0}},
                    0},
        CommandCase{"QueryLockFlags", [](MouseCommands& c) { return Counted(c.QueryLockFlags()); },
                    {{8, 0xFA, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"SelectLastSite", [](MouseCommands& c) { return c.SelectSite(0xE9).value.complete; },
                    {{8, 0xFE, 0x01, 0xE9, 0, 0, 0, 0, 0}},
                    0},
        CommandCase{"ReadSiteEntry", [](MouseCommands& c) { return Counted(c.ReadSiteEntry(0xAD)); },
                    {{8, 0xFF, 0xAD, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"EnrollSiteId", [](MouseCommands& c) { return Counted(c.EnrollSiteId(Usages(kTwelve))); },
                    {{8, 0xF1, 4, 5, 6, 7, 8, 9, 0}, {8, 0xF3, 10, 11, 12, 13, 14, 15, 0}}},
        CommandCase{"EnrollSitePassword",
                    [](MouseCommands& c) { return Counted(c.EnrollSitePassword(Usages(kTwelve))); },
                    {{8, 0xF1, 4, 5, 6, 7, 8, 9, 0}, {8, 0xF4, 10, 11, 12, 13, 14, 15, 0}}},
        CommandCase{"WriteSiteIdSlot", [](MouseCommands& c) { return Counted(c.WriteSiteIdSlot(2, Usages(kTwelve))); },
                    {{8, 0x4D, 4, 5, 6, 7, 8, 9, 0}, {8, 0x53, 10, 11, 12, 13, 14, 15, 0}}},
        CommandCase{"WriteSitePasswordSlot",
                    [](MouseCommands& c) { return Counted(c.WriteSitePasswordSlot(5, Usages(kTwelve))); },
                    {{8, 0xA1, 4, 5, 6, 7, 8, 9, 0}, {8, 0xA7, 10, 11, 12, 13, 14, 15, 0}}},
        CommandCase{"ClearSiteIdSlot", [](MouseCommands& c) { return Counted(c.ClearSiteIdSlot(1)); },
                    {{8, 0x41, 0, 0, 0, 0, 0, 0, 0}, {8, 0x47, 0, 0, 0, 0, 0, 0, 0}, {8, 0xAD, 0, 0, 0, 0, 0, 0, 0}}},
        CommandCase{"ClearSitePasswordSlot", [](MouseCommands& c) { return Counted(c.ClearSitePasswordSlot(3)); },
                    {{8, 0x89, 0, 0, 0, 0, 0, 0, 0}, {8, 0x8F, 0, 0, 0, 0, 0, 0, 0}, {8, 0xAD, 0, 0, 0, 0, 0, 0, 0}}},
        // Row 0 means "not registered" and rows past the tables name no slot:
        // nothing may reach the mouse's memory for them.
        CommandCase{"WriteIdSlotRowZero", [](MouseCommands& c) { return Counted(c.WriteSiteIdSlot(0, Usages(kTwelve))); },
                    {}, 0},
        CommandCase{"ClearIdSlotPastTable", [](MouseCommands& c) { return Counted(c.ClearSiteIdSlot(5)); }, {}, 0},
        CommandCase{"WritePasswordSlotPastTable",
                    [](MouseCommands& c) { return Counted(c.WriteSitePasswordSlot(6, Usages(kTwelve))); }, {}, 0},
        CommandCase{"ClearPasswordSlotRowZero", [](MouseCommands& c) { return Counted(c.ClearSitePasswordSlot(0)); },
                    {}, 0}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

}  // namespace
}  // namespace qmb
