// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/uhid_mouse.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "protocol/secret_bytes.h"
#include "tests/kernel/uhid_test_events.h"

namespace qmb::emu::test {
namespace {

const Bytes kFunctionModeStatus{0x04, 0xCA, 0x02, 0x03, 0x01, 0x00, 0x01, 0x00};
const Bytes kStatusWrite{0x04, 0xCA, 0x01, 0x02, 0x05, 0x00, 0x01, 0x00};

UhidRequest Plain(UhidRequestType type) {
    return UhidRequest{type, 0, false, {}};
}

UhidRequest Output(const Bytes& report) {
    return UhidRequest{UhidRequestType::Output, 0, true, report};
}

UhidAnswer Input(const Bytes& report) {
    return UhidAnswer{UhidAnswerType::Input, 0, 0, report};
}

MATCHER_P(IsAnswer, expected, "") {
    return arg.type == expected.type && arg.id == expected.id && arg.error == expected.error &&
           arg.report == expected.report;
}

class UhidMouseTest : public testing::Test {
protected:
    UhidMouseTest() { mouse.Handle(Plain(UhidRequestType::Open)); }

    std::vector<std::string> traced;
    ReportTrace trace{[this](std::string_view line) { traced.emplace_back(line); }, kMouseSecrets};
    UhidMouse mouse{0, &trace};
};

TEST_F(UhidMouseTest, OutputReportIsAnsweredWithInputReports) {
    EXPECT_THAT(mouse.Handle(Output(kStatusQuery)), testing::ElementsAre(IsAnswer(Input(kFactoryStatus))));
    // A report of the wrong length is not the mouse's: no answer.
    EXPECT_TRUE(mouse.Handle(Output({0x04, 0xFF, 0xCA})).empty());
    EXPECT_TRUE(mouse.Handle(UhidRequest{UhidRequestType::Output, 0, false, kStatusQuery}).empty());
}

TEST_F(UhidMouseTest, SetReportOfAnOutputReportCompletesThenAnswers) {
    const Bytes newStatus{0x04, 0xCA, 0x01, 0x02, 0x05, 0x00, 0x01, 0x00};
    EXPECT_THAT(mouse.Handle(UhidRequest{UhidRequestType::SetReport, 31, true, kStatusWrite}),
                testing::ElementsAre(IsAnswer(UhidAnswer{UhidAnswerType::SetReportReply, 31, 0, {}}),
                                     IsAnswer(Input(newStatus))));
    EXPECT_THAT(mouse.Handle(Output(kStatusQuery)), testing::ElementsAre(IsAnswer(Input(newStatus))));
}

TEST_F(UhidMouseTest, FeatureAndGetReportRequestsAreRefusedAtOnce) {
    EXPECT_THAT(mouse.Handle(UhidRequest{UhidRequestType::SetReport, 5, false, kStatusWrite}),
                testing::ElementsAre(IsAnswer(UhidAnswer{UhidAnswerType::SetReportReply, 5, EIO, {}})));
    EXPECT_THAT(mouse.Handle(UhidRequest{UhidRequestType::GetReport, 6, false, {}}),
                testing::ElementsAre(IsAnswer(UhidAnswer{UhidAnswerType::GetReportReply, 6, EIO, {}})));
    // The refused write changed nothing.
    EXPECT_THAT(mouse.Handle(Output(kStatusQuery)), testing::ElementsAre(IsAnswer(Input(kFactoryStatus))));
}

TEST_F(UhidMouseTest, ButtonsPressedWhileOpenAreSentAtOnce) {
    EXPECT_THAT(mouse.PressModeSwitch(), testing::ElementsAre(IsAnswer(Input(kFunctionModeStatus))));
    EXPECT_THAT(mouse.PressReset(), testing::ElementsAre(IsAnswer(Input(kFactoryStatus))));
}

TEST_F(UhidMouseTest, LatestReportPressedWhileClosedWaitsForTheNextOpen) {
    mouse.Handle(Plain(UhidRequestType::Close));
    EXPECT_TRUE(mouse.PressReset().empty());
    EXPECT_TRUE(mouse.PressModeSwitch().empty());
    EXPECT_TRUE(traced.empty());

    EXPECT_THAT(mouse.Handle(Plain(UhidRequestType::Open)),
                testing::ElementsAre(IsAnswer(Input(kFunctionModeStatus))));
    EXPECT_EQ(traced, std::vector<std::string>{"< 04 CA 02 03 01 00 01 00"});
    mouse.Handle(Plain(UhidRequestType::Close));
    EXPECT_TRUE(mouse.Handle(Plain(UhidRequestType::Open)).empty());
}

TEST_F(UhidMouseTest, TraceShowsEveryReportWithSecretsMasked) {
    mouse.Handle(Output(kStatusQuery));
    // The first mouse password is set, then used to sign in.
    mouse.Handle(Output({0x08, 0x2F, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x00}));
    mouse.Handle(Output({0x08, 0x35, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x00}));
    mouse.Handle(Output({0x08, 0xF1, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x00}));
    const auto signedIn = mouse.Handle(Output({0x08, 0xF2, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x00}));
    ASSERT_EQ(signedIn.size(), 1u);
    EXPECT_EQ(signedIn[0].report[1], 0xCA);

    EXPECT_EQ(traced, (std::vector<std::string>{
                          "> 04 FF CA 00 00 00 00 00",
                          "< 04 CA 01 03 01 00 01 00",
                          "> 08 2F ** ** ** ** ** ** **",
                          "< 08 2F ** ** ** ** ** ** **",
                          "> 08 35 ** ** ** ** ** ** **",
                          "< 08 35 ** ** ** ** ** ** **",
                          "> 08 F1 ** ** ** ** ** ** **",
                          "< 08 F1 ** ** ** ** ** ** **",
                          "> 08 F2 ** ** ** ** ** ** **",
                          "< 08 CA 01 03 01 00 41 00 00",
                      }));
}

TEST(UhidMouse, ProductIdFollowsTheModel) {
    EXPECT_EQ(UhidMouse(1, nullptr).productId(), 0xC049);
    EXPECT_EQ(UhidMouse(0, nullptr).productId(), 0xC048);
}

}  // namespace
}  // namespace qmb::emu::test
