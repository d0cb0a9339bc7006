// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "settings/settings_paths.h"
#include "settings/settings_store.h"
#include "settings_probe_run.h"
#include "settings_sandbox.h"

namespace qmb {
namespace {

class SettingsSaveFailureTest : public test::SettingsSandbox {
protected:
    void TearDown() override
    {
        qputenv("HOME", savedHome_);
        SettingsSandbox::TearDown();
    }

    QString CannotSave(const QString& reason) const
    {
        return "settings_probe: cannot save settings to " + UserFile() + ": " + reason + "\n";
    }

private:
    QByteArray savedHome_ = qgetenv("HOME");
};

TEST_F(SettingsSaveFailureTest, APathTakenByADirectoryOrUnderAFileIsToldOnceWithThePathAndTheReason)
{
    QDir().mkpath(UserFile());
    const test::ProbeRun directory = test::Probe({"write", "write"});
    QDir(ConfigHome()).removeRecursively();
    PutFile(ConfigHome(), "a file where the directory would go");
    const test::ProbeRun underAFile = test::Probe({"write"});

    ASSERT_TRUE(directory.finished && underAFile.finished);
    EXPECT_EQ(directory.output + underAFile.output, "0\n0\n0\n");
    EXPECT_EQ(directory.errors, CannotSave("not a regular file"));
    EXPECT_EQ(underAFile.errors, CannotSave(QString::fromLocal8Bit(std::strerror(ENOTDIR))));
}

// As after "sudo -E": the file or its directory belongs to another user.
TEST_F(SettingsSaveFailureTest, AFileOrDirectoryThatIsNotTheUsersToWriteIsTold)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "file permissions do not bind the superuser";
    ASSERT_EQ(WriteUserDword(kUserKey, kTopMostName, 1), 1);
    const QString dir = QFileInfo(UserFile()).absolutePath();
    const QString denied = QString::fromLocal8Bit(std::strerror(EACCES));

    QFile::setPermissions(UserFile(), QFile::ReadOwner);
    const test::ProbeRun file = test::Probe({"write"});
    QFile::setPermissions(UserFile(), QFile::ReadOwner | QFile::WriteOwner);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    const test::ProbeRun directory = test::Probe({"write"});
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(file.errors, CannotSave(denied));
    EXPECT_EQ(directory.errors, CannotSave(dir + ": " + denied));
    EXPECT_EQ(file.output + directory.output, "0\n0\n");
}

TEST_F(SettingsSaveFailureTest, WithoutAnAbsoluteHomeTheSettingsGoToThePasswordDatabasesHome)
{
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    const QString expected = QFile::decodeName(user->pw_dir) + "/.config/VELD/QMBPro.conf";
    if (QDir::cleanPath(QFile::decodeName(user->pw_dir)) == "/")
        GTEST_SKIP() << "this user's home is the root directory";

    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("HOME");
    EXPECT_EQ(settings::UserSettingsPath(), expected);
    qputenv("HOME", "relative");
    qputenv("XDG_CONFIG_HOME", "relative/config");
    EXPECT_EQ(settings::UserSettingsPath(), expected);
    qputenv("HOME", QFile::encodeName(ConfigHome()));
    EXPECT_EQ(settings::UserSettingsPath(), ConfigHome() + "/.config/VELD/QMBPro.conf");
}

TEST_F(SettingsSaveFailureTest, AHomeAtTheRootDirectoryKeepsNoSettingsAndSaysSoOnce)
{
    qputenv("HOME", "/");
    for (const char* configHome : {"", "/", "//."}) {
        qputenv("XDG_CONFIG_HOME", configHome);
        // Checked before anything is written: nothing may be created at "/".
        ASSERT_EQ(settings::UserSettingsPath(), QString()) << configHome;
    }
    const test::ProbeRun run = test::Probe({"write", "read", "write"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.output, "0\n0\n0\n");
    EXPECT_EQ(run.errors, "settings_probe: cannot save settings: no home directory to keep them in\n");
}

}  // namespace
}  // namespace qmb
