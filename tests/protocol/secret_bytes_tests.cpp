// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "device/report_trace.h"
#include "protocol/secret_bytes.h"

namespace qmb {
namespace {

using Report = std::vector<uint8_t>;

struct Exchange {
    Report output;
    Report reply;
    std::string outputLine;
    std::string replyLine;
};

class TraceMasking : public testing::TestWithParam<Exchange> {};

TEST_P(TraceMasking, WritesOnlyWhatCarriesNoSecret)
{
    std::vector<std::string> lines;
    ReportTrace trace([&](std::string_view line) { lines.emplace_back(line); }, kMouseSecrets);
    trace.Output(GetParam().output);
    trace.Input(GetParam().reply);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], GetParam().outputLine);
    EXPECT_EQ(lines[1], GetParam().replyLine);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, TraceMasking,
    testing::Values(
        Exchange{{4, 0xCA, 2, 3, 7, 0, 0x82, 0}, {4, 0xCA, 2, 3, 7, 0, 0x82, 0}, "> 04 CA 02 03 07 00 82 00",
                 "< 04 CA 02 03 07 00 82 00"},
        Exchange{{8, 0x0B, 1, 1, 4, 0, 0, 0, 0}, {8, 0x0B, 0, 0, 0, 0, 0, 0, 0}, "> 08 0B 01 01 04 00 00 00 00",
                 "< 08 0B 00 00 00 00 00 00 00"},
        // Mouse password halves, short password, an ID slot, a password slot.
        Exchange{{8, 0x2F, 4, 5, 6, 7, 8, 9, 0}, {8, 0x2F, 4, 5, 6, 7, 8, 9, 0}, "> 08 2F ** ** ** ** ** ** **",
                 "< 08 2F ** ** ** ** ** ** **"},
        Exchange{{8, 0x35, 4, 0, 0, 0, 0, 0, 0}, {8, 0x35, 0, 0, 0, 0, 0, 0, 0}, "> 08 35 ** ** ** ** ** ** **",
                 "< 08 35 ** ** ** ** ** ** **"},
        Exchange{{8, 0x3B, 0x1E, 0, 0, 0, 0, 0, 0}, {8, 0x3B, 0, 0, 0, 0, 0, 0, 0}, "> 08 3B ** ** ** ** ** ** **",
                 "< 08 3B ** ** ** ** ** ** **"},
        Exchange{{8, 0x47, 4, 4, 4, 4, 4, 4, 0}, {8, 0x47, 0, 0, 0, 0, 0, 0, 0}, "> 08 47 ** ** ** ** ** ** **",
                 "< 08 47 ** ** ** ** ** ** **"},
        Exchange{{8, 0xAC, 4, 4, 4, 4, 4, 4, 0}, {8, 0xAC, 0, 0, 0, 0, 0, 0, 0}, "> 08 AC ** ** ** ** ** ** **",
                 "< 08 AC ** ** ** ** ** ** **"},
        // Six data bytes from below the secret memory reach into it: the
        // ones that land on 0x2F and 0x30 are the password's.
        Exchange{{8, 0x2B, 1, 2, 3, 4, 5, 6, 0}, {8, 0x2B, 0, 0, 0, 0, 0, 0, 0}, "> 08 2B 01 02 03 04 ** ** **",
                 "< 08 2B 00 00 00 00 ** ** **"},
        Exchange{{8, 0xFF, 0x2A, 0, 0, 0, 0, 0, 0}, {8, 0xFF, 1, 2, 3, 4, 5, 6, 0}, "> 08 FF 2A 00 00 00 00 00 00",
                 "< 08 FF 01 02 03 04 05 ** **"},
        // Site entries and the clear report carry no secret.
        Exchange{{8, 0xAD, 0, 0, 0, 0, 0, 0, 0}, {8, 0xAD, 0, 0, 0, 0, 0, 0, 0}, "> 08 AD 00 00 00 00 00 00 00",
                 "< 08 AD 00 00 00 00 00 00 00"},
        // A read of secret memory: the address shows, the answer does not.
        Exchange{{8, 0xFF, 0x41, 0, 0, 0, 0, 0, 0}, {8, 0xFF, 9, 9, 9, 9, 9, 9, 0}, "> 08 FF 41 00 00 00 00 00 00",
                 "< 08 FF ** ** ** ** ** ** **"},
        Exchange{{8, 0xFF, 0x29, 0, 0, 0, 0, 0, 0}, {8, 0xFF, 0x29, 4, 1, 1, 1, 0x12, 0},
                 "> 08 FF 29 00 00 00 00 00 00", "< 08 FF 29 04 01 01 01 12 00"},
        // The enrolment query reads no secret.
        Exchange{{8, 0xFF, 0xF9, 0x2F, 0, 0, 0, 0, 0}, {8, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0},
                 "> 08 FF F9 2F 00 00 00 00 00", "< 08 FF FF 00 00 00 00 00 00"},
        // Texts for sign-in and enrolment; an accepting StatusReport stays readable.
        Exchange{{8, 0xF1, 4, 5, 6, 7, 8, 9, 0}, {8, 0xF1, 4, 5, 6, 7, 8, 9, 0}, "> 08 F1 ** ** ** ** ** ** **",
                 "< 08 F1 ** ** ** ** ** ** **"},
        Exchange{{8, 0xF2, 4, 5, 6, 7, 8, 9, 0}, {8, 0xCA, 2, 3, 7, 0, 0x40, 0, 0}, "> 08 F2 ** ** ** ** ** ** **",
                 "< 08 CA 02 03 07 00 40 00 00"},
        Exchange{{8, 0xF3, 4, 0, 0, 0, 0, 0, 0}, {8, 0xF3, 0x41, 0, 0, 0, 0, 0, 0}, "> 08 F3 ** ** ** ** ** ** **",
                 "< 08 F3 ** ** ** ** ** ** **"},
        Exchange{{8, 0xF4, 4, 0, 0, 0, 0, 0, 0}, {8, 0xF4, 0x71, 0, 0, 0, 0, 0, 0}, "> 08 F4 ** ** ** ** ** ** **",
                 "< 08 F4 ** ** ** ** ** ** **"},
        Exchange{{8, 0xFD, 4, 0, 0, 0, 0, 0, 0}, {8, 0xFD, 0, 0, 0, 0, 0, 0, 0}, "> 08 FD ** ** ** ** ** ** **",
                 "< 08 FD ** ** ** ** ** ** **"}));

TEST(Trace, AnUnsolicitedReportAfterASecretExchangeIsReadable)
{
    std::vector<std::string> lines;
    ReportTrace trace([&](std::string_view line) { lines.emplace_back(line); }, kMouseSecrets);
    trace.Output(Report{8, 0xFF, 0x2F, 0, 0, 0, 0, 0, 0});
    trace.Input(Report{8, 0xFF, 0, 0, 0, 0, 0, 0, 0});
    trace.Input(Report{4, 0x01, 1, 3, 1, 0, 1, 0});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "< 04 01 01 03 01 00 01 00");
}

}  // namespace
}  // namespace qmb
