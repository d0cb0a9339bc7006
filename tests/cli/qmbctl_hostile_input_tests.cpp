// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <QDir>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <sstream>

#include "tests/cli/qmbctl_fixture.h"

namespace qmb {
namespace {

using namespace std::chrono_literals;

size_t LongestLine(const std::string& text)
{
    std::istringstream lines(text);
    size_t longest = 0;
    for (std::string line; std::getline(lines, line);) {
        longest = std::max(longest, line.size());
    }
    return longest;
}

TEST_F(Qmbctl, ASignalDuringAWatchEndsTheWholeScript)
{
    for (const int signal : {SIGINT, SIGTERM}) {
        test::RunningProgram script(QMBCTL_PATH, {"--demo", "-"}, Environment());
        script.Write("watch\nset --mode function\nstatus\n");
        ASSERT_TRUE(script.WaitForOutput("mouse found: ", 1, 3000ms));
        script.Signal(signal);
        const auto run = script.Finish();
        EXPECT_EQ(run.exitCode, 128 + signal) << run.err;
        // Neither line after the watch ran: both would print the state.
        EXPECT_EQ(run.out.find("mode:"), std::string::npos) << run.out;
    }
}

TEST_F(Qmbctl, OutputThatCannotBeWrittenFailsTheRunAndStopsTheScript)
{
    const std::string qmbctl = QMBCTL_PATH;
    const auto single = test::RunProgram("/bin/sh", {"-c", "exec " + qmbctl + " --demo status >/dev/full"}, {},
                                         Environment());
    EXPECT_EQ(single.exitCode, 1);
    EXPECT_NE(single.err.find("qmbctl: cannot write the output"), std::string::npos) << single.err;

    const auto script = test::RunProgram("/bin/sh", {"-c", "exec " + qmbctl + " --demo --trace - >/dev/full"},
                                         "status\nset --mode function\n", Environment());
    EXPECT_EQ(script.exitCode, 1);
    EXPECT_EQ(Count(script.err, "> 04"), 1u) << "the second line reached the mouse:\n" << script.err;
}

TEST_F(Qmbctl, AHugeLineIsRefusedWithoutBeingHeldAndTheScriptGoesOn)
{
    // Made by the shell, so that no process of this test ever holds it.
    constexpr size_t kLineBytes = 96u << 20;
    const std::string script = "{ printf 'raw '; yes 00 | head -c " + std::to_string(kLineBytes) +
                               " | tr '\\n' ' '; printf '\\nstatus\\n'; } | exec " + QMBCTL_PATH + " --demo -";
    const auto run = test::RunProgram("/bin/sh", {"-c", script}, {}, Environment());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("line 1: longer than 65536 bytes"), std::string::npos) << run.err.substr(0, 200);
    EXPECT_EQ(run.out.find("mode:"), 0u);

    rusage usage{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &usage), 0);
    const auto peakBytes = static_cast<size_t>(usage.ru_maxrss) * 1024;
    EXPECT_LT(peakBytes, kLineBytes / 2);
}

TEST_F(Qmbctl, EchoedWordsCannotDriveTheTerminalOrFloodIt)
{
    struct Case {
        std::vector<std::string> args;
        std::string shown;
    };
    for (const Case& c : std::vector<Case>{
             {{"\033]0;PWNED\007"}, "unknown command '\\x1b]0;PWNED\\x07'"},
             {{"fly\x9b"}, "unknown command 'fly\\x9b'"},
             {{std::string(1000, 'a')}, "unknown command '" + std::string(40, 'a') + "...'"},
             {{"buttons", "set", "left", "right", "wheel", "4", "\xe4\xb8"}, ", not '\\xe4\\xb8'"},
             // Readable text stays as it is.
             {{"key", "4", "\xed\x95\x9c\xea\xb8\x80"}, ", not '한글'"},
         }) {
        std::vector<std::string> args{"--demo"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto run = Run(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err.find_first_of(std::string("\033\007\x9b\xe4", 4)), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.shown), std::string::npos) << run.err;
        EXPECT_LT(LongestLine(run.err), 140u);
    }
}

TEST_F(Qmbctl, AScriptNamesItsBadLinesNeverTheirTextAndSecretLinesNeverRun)
{
    // Each refused command that takes a secret is followed by that secret:
    // it is taken with the command, neither run nor shown.
    const auto run = Run({"--demo", "--trace", "-"},
                         "site set-id 0\nSECRETxyz789\nsign-in now\nSECRETxyz789\npassword set x\nSECRETxyz789\n"
                         "SECRETxyz789\nsite set-password\nSECRETxyz789\nsignin\nSECRETxyz789\nstatus\n");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err.find("SECRET"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("SECRET"), std::string::npos) << run.out;
    for (const char* line : {"line 1: ", "line 3: ", "line 5: ", "line 8: ", "line 10: unknown command\n",
                             "line 11: unknown command\n"}) {
        EXPECT_NE(run.err.find(line), std::string::npos) << line << "\n" << run.err;
    }
    // The secret of a refused command is not taken for the next command.
    EXPECT_EQ(run.err.find("line 2:"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("line 9:"), std::string::npos) << run.err;
    EXPECT_EQ(run.out.find("mode:"), 0u) << run.out;
    EXPECT_EQ(Count(run.err, "usage: qmbctl"), 1u);
}

TEST_F(Qmbctl, AGivenModelNeverWaitsOnTheMachineSettings)
{
    // A FIFO nobody writes to: opening it for reading would wait forever.
    ASSERT_TRUE(QDir(config_.path()).mkpath("VELD"));
    const QString machineFile = config_.filePath("VELD/QMB_VIZado.conf");
    ASSERT_EQ(mkfifo(QFile::encodeName(machineFile).constData(), 0600), 0);
    test::RunningProgram status(QMBCTL_PATH, {"--demo", "--model", "1", "status"}, Environment());
    EXPECT_TRUE(status.WaitForOutput("resolution:", 1, 5000ms));
}

}  // namespace
}  // namespace qmb
