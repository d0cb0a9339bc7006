// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <random>

#include "mouse_session.h"

namespace qmb::emu::test {
namespace {

TEST(MalformedReports, WrongShapesGetNoAnswer) {
    VirtualMouse mouse;
    const std::vector<Bytes> ignored{
        {},
        {0x04},
        {0x04, 0xFF, 0xCA, 0, 0, 0, 0},
        {0x04, 0xFF, 0xCA, 0, 0, 0, 0, 0, 0},
        {0x08, 0xFF, 0x0B, 0, 0, 0, 0, 0},
        {0x08, 0xFF, 0x0B, 0, 0, 0, 0, 0, 0, 0},
        {0x00, 0xFF, 0xCA, 0, 0, 0, 0, 0},
        {0x05, 0xFF, 0xCA, 0, 0, 0, 0, 0, 0},
    };
    for (const Bytes& report : ignored) {
        EXPECT_TRUE(mouse.HandleOutputReport(report).empty()) << report.size();
    }
}

TEST(MalformedReports, UnknownCodesAreRefused) {
    VirtualMouse mouse;
    EXPECT_EQ(Send(mouse, {0x04, 0xFF, 0x00, 0, 0, 0, 0, 0}), (Bytes{0x04, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Send(mouse, {0x04, 0x7E, 1, 2, 3, 4, 5, 0}), (Bytes{0x04, 0, 0, 0, 0, 0, 0, 0}));
    for (const uint8_t code : {0xF0, 0xF7, 0xF8, 0xF9, 0xFB, 0xFC}) {
        EXPECT_EQ(Send(mouse, Long(code, {1, 2, 3, 4, 5, 6})), Long(0x00)) << int{code};
    }
}

// Random reports of every shape: each answer has its request's id and
// length and ends in 0, and the secret memory never shows in a read.
TEST(MalformedReports, RandomReportsKeepTheReplyShape) {
    VirtualMouse mouse;
    EnrolMousePassword(mouse);
    SignIn(mouse);
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<size_t> length(0, 11);
    for (int i = 0; i < 20000; ++i) {
        Bytes report(length(random));
        for (uint8_t& value : report) {
            value = static_cast<uint8_t>(byte(random));
        }
        if (!report.empty() && i % 2 == 0) {
            report[0] = i % 4 == 0 ? 0x04 : 0x08;
        }
        for (const Report& reply : mouse.HandleOutputReport(report)) {
            ASSERT_EQ(reply.size(), report.size());
            ASSERT_EQ(reply[0], report[0]);
            ASSERT_EQ(reply.back(), 0);
        }
    }
    for (int address = 0x2F; address <= 0xAC; ++address) {
        EXPECT_EQ(Send(mouse, Long(0xFF, {static_cast<uint8_t>(address)})), Long(0xFF)) << address;
    }
}

}  // namespace
}  // namespace qmb::emu::test
