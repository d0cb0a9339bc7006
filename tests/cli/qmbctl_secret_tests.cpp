// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// Secrets typed into qmbctl go to the mouse and nowhere else: not onto the
// screen, not into a core dump, not into memory left behind.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QFile>

#include <fstream>
#include <sstream>

#include "cli/input_lines.h"
#include "cli/secret_input.h"
#include "tests/cli/pty_program.h"
#include "tests/cli/qmbctl_fixture.h"

namespace qmb {
namespace {

using namespace std::chrono_literals;

// A loaded machine may take its time to start a program and answer.
constexpr auto kPatience = 10000ms;

TEST_F(Qmbctl, AScriptAtATerminalTakesItsSecretsWithoutEcho)
{
    test::PtyProgram script(QMBCTL_PATH, {"--demo", "-"}, Environment());
    script.Type("password set\n");
    ASSERT_TRUE(script.WaitFor("New mouse password: ", kPatience)) << script.screen();
    script.Type("Secret1\n");
    ASSERT_TRUE(script.WaitFor("Again: ", kPatience)) << script.screen();
    script.Type("Secret1\n");
    ASSERT_TRUE(script.WaitFor("mouse password saved", kPatience)) << script.screen();
    script.Type("\x04");
    EXPECT_EQ(script.Finish(kPatience), 0);
    EXPECT_EQ(script.screen().find("Secret1"), std::string::npos) << script.screen();
}

TEST_F(Qmbctl, EveryWayOutOfAPasswordPromptGivesTheTerminalItsEchoBack)
{
    struct Way {
        const char* name;
        std::function<void(test::PtyProgram&)> leave;
        int exitCode;
    };
    for (const Way& way : std::vector<Way>{
             {"Ctrl+C", [](test::PtyProgram& program) { program.Type("\x03"); }, 128 + SIGINT},
             {"Ctrl+\\", [](test::PtyProgram& program) { program.Type("\x1c"); }, 128 + SIGQUIT},
             {"SIGTERM", [](test::PtyProgram& program) { program.Signal(SIGTERM); }, 128 + SIGTERM},
         }) {
        test::PtyProgram qmbctl(QMBCTL_PATH, {"--demo", "password", "set"}, Environment());
        ASSERT_TRUE(qmbctl.WaitFor("New mouse password: ", kPatience)) << way.name;
        EXPECT_FALSE(qmbctl.Echoes(false, kPatience)) << way.name;
        way.leave(qmbctl);
        EXPECT_EQ(qmbctl.Finish(kPatience), way.exitCode) << way.name;
        EXPECT_TRUE(qmbctl.Echoes(true, kPatience)) << way.name;
    }
}

TEST_F(Qmbctl, CtrlZAtAPromptEchoesWhileStoppedAndTheRestOfThePasswordStaysHidden)
{
    test::PtyProgram qmbctl(QMBCTL_PATH, {"--demo", "password", "set"}, Environment());
    ASSERT_TRUE(qmbctl.WaitFor("New mouse password: ", kPatience));
    qmbctl.Type("Sec");
    qmbctl.Type("\x1a");
    ASSERT_TRUE(qmbctl.WaitStopped(kPatience));
    EXPECT_TRUE(qmbctl.Echoes(true, kPatience));
    qmbctl.Signal(SIGCONT);
    EXPECT_FALSE(qmbctl.Echoes(false, kPatience));
    // The terminal dropped what was typed before Ctrl+Z: typed again, whole.
    qmbctl.Type("Secret1\n");
    ASSERT_TRUE(qmbctl.WaitFor("Again: ", kPatience)) << qmbctl.screen();
    qmbctl.Type("Secret1\n");
    EXPECT_EQ(qmbctl.Finish(kPatience), 0) << qmbctl.screen();
    EXPECT_EQ(qmbctl.screen().find("Sec"), std::string::npos) << qmbctl.screen();
}

TEST_F(Qmbctl, TitlesThatWouldDriveATerminalAreRefusedAndOnesInTheFileAreShownEscaped)
{
    for (const char* title : {"\033]0;PWNED\007", "a\nb", "caf\xe9"}) {
        const auto run = Run({"--demo", "site", "title", "8", title});
        EXPECT_EQ(run.exitCode, 2) << title;
    }
    EXPECT_EQ(Run({"--demo", "site", "title", "8", "zz"}).exitCode, 0);
    const QString file = config_.filePath("VELD/QMBPro.conf");
    QFile settings(file);
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    QByteArray text = settings.readAll();
    settings.close();
    text.replace("=zz", "=\\x1b]2PWNED\\x7");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write(text);
    settings.close();
    const auto list = Run({"--demo", "site", "list"});
    EXPECT_EQ(list.out.find('\033'), std::string::npos);
    EXPECT_NE(list.out.find(" 8  \\x1b]2PWNED\\x07"), std::string::npos) << list.out;
}

TEST_F(Qmbctl, APasswordTooLongForWhatTheMouseAsksIsItsRefusalOnceItWasAsked)
{
    // The mouse asks for the short password; a twelve-letter line fits only
    // the long one.
    const auto run = Run({"--demo", "-"}, "password set\nAb1\nAb1\nsign-in\nAb1\npassword short set\nk1\n"
                                          "sign-out\nsign-in\nAbcdefghijk1\n");
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_NE(run.err.find("Invalid keys!"), std::string::npos) << run.err;
}

// Whether a process's memory holds `needle`, read region by region in
// chunks. Regions of a gigabyte or more are a sanitizer's shadow, which
// holds no copy of anything.
bool MemoryHolds(pid_t pid, const std::string& needle, size_t& bytesRead)
{
    constexpr unsigned long long kLargestRegion = 1ull << 30;
    constexpr size_t kChunk = 1 << 20;
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::ifstream memory("/proc/" + std::to_string(pid) + "/mem", std::ios::binary);
    std::string chunk(kChunk + needle.size(), '\0');
    for (std::string line; std::getline(maps, line);) {
        std::istringstream fields(line);
        std::string range;
        std::string permissions;
        fields >> range >> permissions;
        const size_t dash = range.find('-');
        const auto start = std::stoull(range.substr(0, dash), nullptr, 16);
        const auto end = std::stoull(range.substr(dash + 1), nullptr, 16);
        if (permissions.empty() || permissions[0] != 'r' || end - start >= kLargestRegion) {
            continue;
        }
        // Each chunk overlaps the next by the needle's length.
        for (auto at = start; at < end; at += kChunk) {
            memory.clear();
            memory.seekg(static_cast<std::streamoff>(at));
            memory.read(chunk.data(), static_cast<std::streamsize>(std::min<unsigned long long>(chunk.size(), end - at)));
            const auto got = static_cast<size_t>(memory.gcount());
            bytesRead += got;
            if (std::string_view(chunk.data(), got).find(needle) != std::string_view::npos) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(Qmbctl, NoCopyOfAUsedSecretStaysInMemory)
{
    test::RunningProgram script(QMBCTL_PATH, {"--demo", "-"}, Environment());
    script.Write("password set\nQmbSecret42\nQmbSecret42\nwatch\n");
    ASSERT_TRUE(script.WaitForOutput("mouse found: ", 1, kPatience));
    size_t bytesRead = 0;
    EXPECT_FALSE(MemoryHolds(script.pid(), "QmbSecret42", bytesRead));
    EXPECT_GT(bytesRead, 100000u);
    script.Signal(SIGTERM);
    script.Finish();
}

// The memory map flags ("VmFlags") of the region that holds `address`.
std::string FlagsOfRegion(const void* address)
{
    const auto at = reinterpret_cast<uintptr_t>(address);
    std::ifstream smaps("/proc/self/smaps");
    bool inside = false;
    for (std::string line; std::getline(smaps, line);) {
        const size_t dash = line.find('-');
        if (dash != std::string::npos && line.find(' ') > dash && std::isxdigit(line[0])) {
            inside = std::stoull(line.substr(0, dash), nullptr, 16) <= at &&
                     at < std::stoull(line.substr(dash + 1), nullptr, 16);
        } else if (inside && line.starts_with("VmFlags:")) {
            return line;
        }
    }
    return {};
}

TEST(SecretMemory, ASecretReadLeavesNoCoreDumpAndLivesInPagesLeftOutOfOne)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    ASSERT_EQ(write(fds[1], "Secret1\n", 8), 8);
    close(fds[1]);
    InputLines lines(fds[0]);
    std::ostringstream prompts;
    SecretInput secrets(lines, prompts, -1);
    SecretLine line;
    ASSERT_TRUE(secrets.Read("Password: ", line));
    close(fds[0]);
    EXPECT_EQ(line.text(), "Secret1");
    EXPECT_EQ(prctl(PR_GET_DUMPABLE), 0);
    EXPECT_NE(FlagsOfRegion(line.text().data()).find(" dd"), std::string::npos);
}

}  // namespace
}  // namespace qmb
