// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// Backing up the mouse and restoring it: what the file holds, what goes to
// the mouse, and every file refused before anything does.

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

#include <sstream>

#include "tests/cli/qmbctl_fixture.h"

namespace qmb {
namespace {

class QmbctlBackup : public Qmbctl {
protected:
    QString File(const char* name) const { return config_.filePath(name); }
    std::string Path(const char* name) const { return File(name).toStdString(); }

    // The backup the demo mouse gives after `script`.
    QJsonObject BackupAfter(const std::string& script)
    {
        const auto run = Run({"--demo", "-"}, script + "backup " + Path("b.json") + "\n");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        QFile file(File("b.json"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    void Write(const char* name, const QByteArray& bytes)
    {
        QFile file(File(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
};

constexpr const char* kChanges =
    "set --resolution 2 --interval 5 --mode function --auto-click on --target 5\n"
    "buttons set right left wheel 5 4\nkey wheel-down copy\nkey 4 next track\n"
    "sequence set --count 50 --on 7 --off 9 --cycle 30 --style toggle --use-cycle on --apply-button right\n"
    "site title 3 Mail\n";

TEST_F(QmbctlBackup, ARestoreBringsEverySettingBackAndThenHasNothingToSend)
{
    const auto script = std::string(kChanges) + "backup " + Path("b.json") +
                        "\nbuttons reset\nkey wheel-down 0\nkey 4 0\n"
                        "sequence set --count 1 --on 1 --off 1 --cycle 2 --style continue --use-cycle off\n"
                        "set --resolution 3 --interval 1 --auto-click off --target right\nsite title 3 Post\n"
                        "status --json\nrestore " +
                        Path("b.json") + " --dry-run\nrestore " + Path("b.json") + "\nstatus --json\nsequence --json\n";
    const auto run = Run({"--demo", "-"}, script);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    for (const char* line : {"button left: left -> right\n", "function wheel-down: Default Value -> Copy\n",
                             "function 4: Default Value -> Next Track\n", "sequence count: 1 -> 50\n",
                             "resolution: 3 -> 2\n", "auto-click target: right -> 5\n", "site 3 title: Post -> Mail\n"}) {
        EXPECT_EQ(Count(run.out, line), 2u) << line << run.out;
    }
    const auto json = JsonLines(run.out);
    ASSERT_EQ(json.size(), 3u) << run.out;
    EXPECT_NE(json[1].find("\"resolution\":2"), std::string::npos) << json[1];
    EXPECT_NE(json[1].find("\"autoClickTarget\":4"), std::string::npos) << json[1];
    EXPECT_NE(json[2].find("\"count\":50"), std::string::npos) << json[2];
    EXPECT_NE(json[2].find("\"style\":\"toggle\""), std::string::npos) << json[2];

    // The mouse as backed up: a restore only reads. The support query
    // marks where it starts.
    const auto again =
        Run({"--demo", "--trace", "-"}, std::string(kChanges) + "raw 08 F5\nrestore " + Path("b.json") + "\n");
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.out.find("nothing to change\n"), std::string::npos) << again.out;
    std::istringstream trace(again.err.substr(again.err.find("> 08 F5")));
    for (std::string line; std::getline(trace, line);) {
        if (line.starts_with("> ")) {
            EXPECT_TRUE(line.starts_with("> 04 FF") || line.starts_with("> 08 FF") || line.starts_with("> 08 F5"))
                << line;
        }
    }
}

TEST_F(QmbctlBackup, TheFileIsTheOwnersAndHoldsNoSecret)
{
    const QJsonObject backup = BackupAfter("password set\nQmbSecret42\nQmbSecret42\nsign-in\nQmbSecret42\n"
                                           "site set-id 4\nQmbSecret42\nsite set-password 4\nQmbSecret42\n");
    EXPECT_EQ(backup.value("format").toString(), "qmbpro-backup");
    EXPECT_EQ(backup.value("sites").toArray()[3].toObject().value("id").toBool(), true);
    QFile file(File("b.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("QmbSecret"));
    struct stat status {};
    ASSERT_EQ(stat(Path("b.json").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}

TEST_F(QmbctlBackup, ABadFileIsRefusedWholeBeforeAnythingIsSent)
{
    const QJsonObject good = BackupAfter("");
    const auto changed = [&](const char* key, const QJsonValue& value) {
        QJsonObject copy = good;
        copy[key] = value;
        return QJsonDocument(copy).toJson();
    };
    QJsonObject status = good.value("status").toObject();
    status["resolution"] = 11;
    QJsonObject keys = good.value("functionKeys").toObject();
    keys["4"] = QJsonObject{{"function", "Teleport"}, {"bytes", "00 00 00"}};
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* where;
    };
    for (const Case& c : std::vector<Case>{
             {"truncated.json", QJsonDocument(good).toJson().left(200), "not a JSON object"},
             {"format.json", changed("format", "other"), "format "},
             {"version.json", changed("version", 2), "version "},
             {"resolution.json", changed("status", status), "status.resolution "},
             {"function.json", changed("functionKeys", keys), "functionKeys.4.function "},
             {"model.json", changed("model", 1), "model "},
             {"large.json", QByteArray((1 << 20) + 1, ' '), "larger than 1 MiB"},
         }) {
        Write(c.name, c.bytes);
        const auto run = Run({"--demo", "--trace", "restore", Path(c.name)});
        EXPECT_EQ(run.exitCode, 2) << c.name << run.err;
        EXPECT_NE(run.err.find(c.where), std::string::npos) << c.name << run.err;
        EXPECT_EQ(run.err.find("> "), std::string::npos) << c.name;
    }
    ASSERT_EQ(mkfifo(Path("fifo.json").c_str(), 0600), 0);
    for (const char* special : {"fifo.json", "."}) {
        const auto run = Run({"--demo", "--trace", "restore", Path(special)});
        EXPECT_EQ(run.exitCode, 2) << special;
        EXPECT_NE(run.err.find("not a regular file"), std::string::npos) << run.err;
    }
    EXPECT_EQ(Run({"--demo", "-"}, "backup -\n").exitCode, 2);
}

}  // namespace
}  // namespace qmb
