// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QJsonArray>
#include <QJsonObject>

#include <csignal>

#include "tests/cli/qmbctl_fixture.h"

namespace qmb {
namespace {

using test::ProgramRun;

TEST_F(Qmbctl, StatusOfTheDemoMouse)
{
    const auto run = Run({"--demo", "status"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "mode:        button\n"
              "resolution:  3 (1600 dpi)\n"
              "interval:    2 msec\n"
              "auto-click:  off, target right button\n"
              "web-site:    off\n");
}

TEST_F(Qmbctl, StatusAsJsonUsesTheModelsLabels)
{
    const auto run = Run({"--demo", "--model", "1", "status", "--json"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(JsonLines(run.out),
              std::vector{Canonical("{\"mode\":\"button\",\"modeValue\":1,\"resolution\":3,\"dpi\":375,\"interval\":1,"
                                    "\"intervalMs\":2,\"autoClick\":false,\"autoClickTarget\":1,\"siteMode\":false}")});
}

TEST_F(Qmbctl, SetChangesOnlyTheGivenFieldsOnTheWire)
{
    const auto run = Run({"--demo", "--trace", "set", "--resolution", "2", "--interval", "0"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err,
              "> 04 FF CA 00 00 00 00 00\n"
              "< 04 CA 01 03 01 00 01 00\n"
              "> 04 CA 01 02 00 00 01 00\n"
              "< 04 CA 01 02 00 00 01 00\n");
    EXPECT_NE(run.out.find("resolution:  2 (800 dpi)"), std::string::npos);
    EXPECT_NE(run.out.find("interval:    1 msec"), std::string::npos);
}

TEST_F(Qmbctl, SetRefusesValuesTheMouseCannotTakeAndSendsNothing)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"set", "--resolution", "4"},
             {"set", "--resolution", "0"},
             {"set", "--interval", "8"},
             {"set", "--interval", "-1"},
             {"set", "--target", "3"},
             {"set", "--mode", "fast"},
             {"set", "--auto-click", "yes"},
             {"set", "--resolution"},
             {"set", "--resolution", "2", "--resolution", "3"},
             {"set", "--colour", "red"},
             {"set"}}) {
        std::vector<std::string> full{"--demo", "--trace"};
        full.insert(full.end(), args.begin(), args.end());
        const auto run = Run(full);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
        EXPECT_EQ(run.err.find("> "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("usage: qmbctl"), std::string::npos);
    }
    EXPECT_EQ(Run({"--demo", "--model", "1", "set", "--resolution", "11"}).exitCode, 0);
}

TEST_F(Qmbctl, RawSendsOneReportPaddedAndPrintsTheReply)
{
    const auto run = Run({"--demo", "--trace", "raw", "04", "ffca"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "04 CA 01 03 01 00 01 00\n");
    EXPECT_EQ(run.err.substr(0, 26), "> 04 FF CA 00 00 00 00 00\n");

    const auto memory = Run({"--demo", "raw", "08", "FF", "0B"});
    EXPECT_EQ(memory.exitCode, 0) << memory.err;
    EXPECT_EQ(memory.out.size(), std::string("08 FF 00 00 00 00 00 00 00\n").size());
}

TEST_F(Qmbctl, RawRefusesMalformedReports)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"raw"},
             {"raw", "05", "00"},
             {"raw", "4"},
             {"raw", "zz"},
             {"raw", "04", "0x"},
             {"raw", "04", "00", "00", "00", "00", "00", "00", "00", "00"},
             {"raw", "08", "00", "00", "00", "00", "00", "00", "00", "00", "00"}}) {
        std::vector<std::string> full{"--demo", "--trace"};
        full.insert(full.end(), args.begin(), args.end());
        const auto run = Run(full);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
        EXPECT_EQ(run.err.find("> "), std::string::npos);
    }
}

TEST_F(Qmbctl, TraceNeverShowsASecretWhoeverSendsIt)
{
    const auto run = Run({"--demo", "raw", "08", "2F", "04", "05", "06", "07", "08", "09"}, {},
                         {{"QMB_TRACE", "1"}});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("> 08 2F ** ** ** ** ** ** **\n"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("04 05 06"), std::string::npos);
    EXPECT_EQ(run.out.find("04 05 06"), std::string::npos);
}

TEST_F(Qmbctl, ButtonsAreRemappedAndResetThenTheMouseWorksByThem)
{
    const auto set = Run({"--demo", "--trace", "-"}, "buttons set right left wheel 4 5\nbuttons --json\nbuttons reset\n");
    EXPECT_EQ(set.exitCode, 0) << set.err;
    EXPECT_NE(set.err.find("> 04 C5 02 01 04 08 10 00\n< 04 C5 02 01 04 08 10 00\n> 04 CA 01 "), std::string::npos)
        << set.err;
    EXPECT_NE(set.out.find("left   acts as right\nright  acts as left\n"), std::string::npos) << set.out;
    EXPECT_EQ(JsonLines(set.out),
              std::vector{Canonical("{\"left\":\"right\",\"right\":\"left\",\"wheel\":\"wheel\",\"4\":\"4\",\"5\":\"5\"}")});
    EXPECT_NE(set.err.find("> 04 C5 01 02 04 08 10 00"), std::string::npos);
}

TEST_F(Qmbctl, AnInputIsGivenAFunctionByNameOrNumber)
{
    const auto run = Run({"--demo", "--trace", "-"}, "key wheel-down copy\nkey wheel-down\nkey 4 next track\nkey 4 0\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Copy\nCopy\nNext Track\nDefault Value\n");
    EXPECT_NE(run.err.find("> 08 23 01 01 06 00 00 00 00\n"), std::string::npos);
    EXPECT_NE(run.err.find("> 08 11 02 B5 00 00 00 00 00\n"), std::string::npos);
    // Then function mode.
    EXPECT_NE(run.err.find("> 04 CA 02 "), std::string::npos);

    const auto functions = Run({"--demo", "functions"});
    EXPECT_NE(functions.out.find(" 5  Copy                     keyboard  01 01 06\n"), std::string::npos);
    EXPECT_NE(functions.out.find("19  Next Track               media     02 B5 00\n"), std::string::npos);
    const auto json = Run({"--demo", "functions", "--json"});
    const QJsonArray rows = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array();
    ASSERT_EQ(rows.size(), 31) << json.out;
    EXPECT_EQ(rows[19].toObject(), (QJsonObject{{"row", 19}, {"name", "Next Track"}, {"kind", "media"}, {"bytes", "02 B5 00"}}));
}

TEST_F(Qmbctl, ButtonAndKeyWordsAreCheckedBeforeAnythingIsSent)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"buttons", "set", "right", "left", "wheel", "4"},
             {"buttons", "set", "right", "left", "wheel", "4", "6"},
             {"buttons", "swap"},
             {"key"},
             {"key", "middle"},
             {"key", "right", "31"},
             {"key", "right", "teleport"},
             {"functions", "all"}}) {
        std::vector<std::string> full{"--demo", "--trace"};
        full.insert(full.end(), args.begin(), args.end());
        const auto run = Run(full);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
        EXPECT_EQ(run.err.find("> "), std::string::npos) << run.err;
    }
}

TEST_F(Qmbctl, EveryCommandNamesTheTargetAndTheThreeButtonModelsButtonsAlike)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* sent;  // a report that must go out, or none at all
    };
    for (const Case& c : std::vector<Case>{
             {{"set", "--target", "4"}, 0, "> 04 CA 01 03 01 00 02 00"},
             {{"sequence", "set", "--target", "4"}, 0, "> 04 CA 01 03 01 00 02 00"},
             {{"set", "--target", "2"}, 2, nullptr},
             {{"sequence", "set", "--target", "2"}, 2, nullptr},
             {{"--model", "2", "buttons", "set", "left", "right", "wheel", "5", "4"}, 2, nullptr},
             {{"--model", "2", "buttons", "set", "right", "left", "wheel"}, 0, "> 04 C5 02 01 04 08 10 00"},
         }) {
        std::vector<std::string> full{"--demo", "--trace"};
        full.insert(full.end(), c.args.begin(), c.args.end());
        const auto run = Run(full);
        EXPECT_EQ(run.exitCode, c.exitCode) << testing::PrintToString(c.args) << run.err;
        if (c.sent) {
            EXPECT_NE(run.err.find(c.sent), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(run.err.find("> "), std::string::npos) << run.err;
        }
    }
}

TEST_F(Qmbctl, SequenceSetChangesOnlyWhatIsGivenAndReadsBack)
{
    const auto run = Run({"--demo", "--trace", "-"},
                         "sequence set --count 50 --on 1 --off 1 --cycle 49 --style toggle --use-cycle on "
                         "--apply-button right\nsequence set --target 5\nsequence --json\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("> 08 29 04 32 01 01 31 A2 00\n"), std::string::npos) << run.err;
    // The target travels in the status write that follows the record.
    EXPECT_NE(run.err.find("> 08 29 04 32 01 01 31 A2 00\n< 08 29 04 32 01 01 31 A2 00\n> 04 CA 01 03 01 00 04 00"),
              std::string::npos);
    EXPECT_EQ(JsonLines(run.out), std::vector{Canonical("{\"target\":\"5\",\"count\":50,\"on\":1,\"off\":1,\"cycle\":49,"
                                                      "\"useCycle\":true,\"applyButton\":\"right\",\"style\":\"toggle\"}")})
        << run.out;
}

TEST_F(Qmbctl, SequenceValuesOutsideTheirRangesAreRefusedBeforeAnythingIsSent)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"sequence", "set", "--count", "0"},
             {"sequence", "set", "--count", "51"},
             {"sequence", "set", "--on", "51"},
             {"sequence", "set", "--cycle", "1"},
             {"sequence", "set", "--cycle", "50"},
             {"sequence", "set", "--target", "left"},
             {"sequence", "set", "--style", "pulse"},
             {"sequence", "set", "--use-cycle", "yes"},
             {"sequence", "set"},
             {"sequence", "show"}}) {
        std::vector<std::string> full{"--demo", "--trace"};
        full.insert(full.end(), args.begin(), args.end());
        const auto run = Run(full);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
        EXPECT_EQ(run.err.find("> "), std::string::npos) << run.err;
    }
}

TEST_F(Qmbctl, PasswordsAndSignInTakeTheirSecretsFromTheNextLines)
{
    const auto run = Run({"--demo", "--trace", "-"},
                         "password set\nAb1\nAb1\nsign-out\nsign-in\nAb1\npassword status --json\nsign-out\n"
                         "sign-in\nAb2\npassword status\n");
    EXPECT_EQ(run.exitCode, 3) << run.err;
    EXPECT_NE(run.out.find("mouse password saved\nsigned out\nMatch Ok!\n"
                           "{\"mousePassword\":true,\"shortPassword\":false,\"signedIn\":true}\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("qmbctl: Not Match!"), std::string::npos);
    EXPECT_NE(run.out.find("signed in:       no\n"), std::string::npos);
    EXPECT_NE(run.err.find("> 08 2F ** ** ** ** ** ** **"), std::string::npos);
    EXPECT_NE(run.err.find("> 08 F2 ** ** ** ** ** ** **"), std::string::npos);
}

TEST_F(Qmbctl, ASignInTheMouseRefusesExitsThreeAndABadSecretTwoBeforeAnythingIsSent)
{
    EXPECT_EQ(Run({"--demo", "-"}, "password set\nAb1\nAb1\nsign-out\nsign-in\nwrong1\n").exitCode, 3);
    EXPECT_EQ(Run({"--demo", "-"}, "sign-in\nAb1\n").exitCode, 3);
    for (const std::string& script : {std::string("password set\nAb1\nAb2\n"), std::string("password set\nA b\nA b\n"),
                                      std::string("password set\n\n\n"), std::string("sign-in\nab*\n"),
                                      std::string("password set\n1234567890123\n1234567890123\n")}) {
        const auto run = Run({"--demo", "--trace", "-"}, script);
        EXPECT_EQ(run.exitCode, 2) << script;
        EXPECT_EQ(run.err.find("> 08 2F"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("> 08 F1"), std::string::npos) << run.err;
    }
    // A new password over an old one takes a sign-in first.
    const auto locked = Run({"--demo", "--trace", "-"}, "password set\nAb1\nAb1\nsign-out\npassword set\nCd2\nCd2\n");
    EXPECT_EQ(locked.exitCode, 3);
    EXPECT_EQ(locked.err.rfind("> 08 2F"), locked.err.find("> 08 2F")) << locked.err;
}

TEST_F(Qmbctl, NoSecretIsWrittenAnywhereWhateverTheFlow)
{
    QTemporaryDir runtime;
    const auto run = Run({"--demo", "--trace", "-"},
                         "password set\nQmbSecret42\nQmbSecret42\nsign-out\nsign-in\nQmbSecret42\n"
                         "password short set\nQmb42\nsign-out\nsign-in\nQmb42\npassword short delete\n"
                         "site title 4 Qmbtitle\nsite set-id 4\nQmbSecret42\nsite set-password 4\nQmbSecret42\n"
                         "site list --json\nsite set-id 4\nQmbSecret42\nsite delete-id 4\n",
                         {{"XDG_RUNTIME_DIR", runtime.path().toStdString()}});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const char* secret : {"QmbSecret42", "Qmb42", "94 10 05 96", "94 10 05"}) {
        EXPECT_EQ(run.out.find(secret), std::string::npos) << secret;
        EXPECT_EQ(run.err.find(secret), std::string::npos) << secret;
    }
    for (const QString& directory : {config_.path(), runtime.path()}) {
        QDirIterator files(directory, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray contents = file.readAll();
            EXPECT_FALSE(contents.contains("QmbSecret") || contents.contains("Qmb42")) << file.fileName().toStdString();
        }
    }
}

TEST_F(Qmbctl, SitesGetTitlesIdsAndPasswordsAndShowOnlyTheirSlots)
{
    const auto run = Run({"--demo", "--trace", "-"},
                         "password set\nAb1\nAb1\nsign-in\nAb1\nsite title 3 Mail\nsite set-id 3\nme*1\n"
                         "site set-password 3\nPw9\nsite list\nsite delete-password 3\nsite list --json\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(" 3  Mail          ID: 별똥별, password: 꽃미남\n"), std::string::npos) << run.out;
    ASSERT_EQ(JsonLines(run.out).size(), 1u) << run.out;
    EXPECT_NE(JsonLines(run.out)[0].find(Canonical("{\"site\":3,\"title\":\"Mail\",\"id\":\"별똥별\",\"idSlot\":1,"
                                                   "\"password\":\"등록 안됨\",\"passwordSlot\":0}")),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.err.find("> 08 FE 01 B1 00 00 00 00 00\n"), std::string::npos);
    EXPECT_NE(run.err.find("> 08 71 ** ** ** ** ** ** **\n"), std::string::npos);
}

TEST_F(Qmbctl, SiteCommandsRefuseBadSitesAndWaitForASignIn)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"site", "select", "0"}, {"site", "select", "32"}, {"site", "title", "3"},
             {"site", "title", "3", "thirteen char"}, {"site", "set-id"}, {"site", "forget", "3"}}) {
        std::vector<std::string> full{"--demo", "--trace"};
        full.insert(full.end(), args.begin(), args.end());
        const auto run = Run(full);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
        EXPECT_EQ(run.err.find("> "), std::string::npos) << run.err;
    }
    EXPECT_EQ(Run({"--demo", "-"}, "site set-id 3\nab*\n").exitCode, 3);
    EXPECT_EQ(Run({"--demo", "-"}, "site set-id 3\nab-\n").exitCode, 2);
    // Full: four IDs fit, the fifth does not.
    const auto full = Run({"--demo", "-"},
                          "password set\nAb1\nAb1\nsign-in\nAb1\nsite set-id 1\na\nsite set-id 2\nb\n"
                          "site set-id 3\nc\nsite set-id 4\nd\nsite set-id 5\ne\n");
    EXPECT_EQ(full.exitCode, 3);
    EXPECT_NE(full.err.find("no free slot"), std::string::npos);
}

TEST_F(Qmbctl, ScriptLinesShareOneMouse)
{
    const auto run = Run({"--demo", "-"}, "set --mode function --auto-click on\n\n# a comment\nstatus --json\n");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    ASSERT_EQ(JsonLines(run.out).size(), 1u) << run.out;
    EXPECT_NE(JsonLines(run.out)[0].find("\"autoClick\":true"), std::string::npos);
    EXPECT_NE(JsonLines(run.out)[0].find("\"mode\":\"function\""), std::string::npos);

    const auto failing = Run({"--demo", "-"}, "status\nraw 05\nstatus\n");
    EXPECT_EQ(failing.exitCode, 2);
    EXPECT_EQ(failing.out.find("mode:"), 0u);
    EXPECT_NE(failing.out.rfind("mode:"), 0u);
}

TEST_F(Qmbctl, NoMouseIsOneClearLine)
{
    // No hidraw node of this machine is the mouse.
    const auto run = Run({"status"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("qmbctl: no mouse found"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

TEST_F(Qmbctl, WatchFollowsTheDemoMouseUntilInterrupted)
{
    using namespace std::chrono_literals;
    test::RunningProgram watch(QMBCTL_PATH, {"--demo", "--model", "1", "watch"}, Environment());
    ASSERT_TRUE(watch.WaitForOutput("mouse found: ", 1, 3000ms));
    watch.Signal(SIGUSR1);
    ASSERT_TRUE(watch.WaitForOutput("reset to defaults: ", 1, 3000ms));
    watch.Signal(SIGUSR2);
    ASSERT_TRUE(watch.WaitForOutput("mouse gone", 1, 3000ms));
    watch.Signal(SIGUSR2);
    ASSERT_TRUE(watch.WaitForOutput("mouse found: ", 2, 3000ms));
    watch.Signal(SIGINT);
    const auto run = watch.Finish();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "mouse found: button mode, resolution 3 (375 dpi), interval 2 msec, auto-click off (target right "
              "button), web-site off\n"
              "reset to defaults: button mode, resolution 3 (375 dpi), interval 2 msec, auto-click off (target "
              "right button), web-site off\n"
              "mouse gone\n"
              "mouse found: button mode, resolution 3 (375 dpi), interval 2 msec, auto-click off (target right "
              "button), web-site off\n");
}

TEST_F(Qmbctl, WatchWithoutAMouseWaitsAndEndsCleanly)
{
    using namespace std::chrono_literals;
    test::RunningProgram watch(QMBCTL_PATH, {"watch"}, Environment());
    ASSERT_TRUE(watch.WaitForOutput("waiting for the mouse\n", 1, 3000ms));
    watch.Signal(SIGTERM);
    const auto run = watch.Finish();
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "waiting for the mouse\n");
}

TEST_F(Qmbctl, BadOptionsGiveTheUsage)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"--demo"}, {"--model", "x", "status"}, {"--verbose", "status"}, {"--demo", "fly"},
             {"--demo", "status", "--xml"}, {"--demo", "watch", "--now"}}) {
        const auto run = Run(args);
        EXPECT_EQ(run.exitCode, 2) << testing::PrintToString(args);
        EXPECT_NE(run.err.find("usage: qmbctl"), std::string::npos);
    }
}

TEST_F(Qmbctl, HelpAndVersionGoToStandardOutputAndSendNothing)
{
    const auto help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_EQ(help.err, "");
    for (const char* part : {"usage: qmbctl", "  sequence set", "  watch", "--version", "Exit status:"}) {
        EXPECT_NE(help.out.find(part), std::string::npos) << part;
    }

    const auto version = Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "qmbctl " QMB_VERSION "\nFree software under the MIT licence.\n");

    // A command's help is its own entry, before anything reaches the mouse.
    const auto sequence = Run({"--demo", "--trace", "sequence", "set", "--help"});
    EXPECT_EQ(sequence.exitCode, 0);
    EXPECT_EQ(sequence.err, "");
    EXPECT_NE(sequence.out.find("  sequence set [--target"), std::string::npos) << sequence.out;
    EXPECT_NE(sequence.out.find("[--apply-button"), std::string::npos) << sequence.out;
    EXPECT_EQ(sequence.out.find("password"), std::string::npos) << sequence.out;
    EXPECT_EQ(sequence.out.find("Secrets"), std::string::npos) << sequence.out;

    // sign-out shares no line with sign-in; the commands that read a secret
    // say where it comes from.
    const auto signOut = Run({"--help", "sign-out"});
    EXPECT_EQ(signOut.exitCode, 0);
    EXPECT_NE(signOut.out.find("  sign-out"), std::string::npos) << signOut.out;
    EXPECT_EQ(signOut.out.find("  sign-in"), std::string::npos) << signOut.out;
    const auto site = Run({"site", "--help"});
    EXPECT_NE(site.out.find("site delete-id N"), std::string::npos) << site.out;
    EXPECT_NE(site.out.find("Secrets come from the terminal"), std::string::npos) << site.out;

    const auto unknown = Run({"fly", "--help"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("no command 'fly'"), std::string::npos) << unknown.err;
}

}  // namespace
}  // namespace qmb
