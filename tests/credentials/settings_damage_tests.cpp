#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "credentials/settings_store.h"
#include "credentials/site_titles.h"
#include "settings_sandbox.h"

namespace qmb {
namespace {

class DamagedSettingsTest : public test::SettingsSandbox {};

QByteArray Garbage()
{
    QByteArray bytes;
    for (int i = 0; i < 512; ++i)
        bytes.append(static_cast<char>((i * 73 + 11) & 0xFF));
    return bytes;
}

const QByteArray kDamaged =
    "[SOFTWARE]\n"
    "VELD\\QMBPRO\\TopMost=1\n"
    "this line has no equals sign\n"
    "VELD\\QMBPRO\\SITE\\2=Bank\n"
    "[SOFTWARE\n"
    "VELD\\QMBPRO\\Show=1\n"
    "\x01\x02\xff\xfe\n";

TEST_F(DamagedSettingsTest, UnparsableFileReadsAsAbsentValuesAndIsLeftAlone)
{
    PutFile(UserFile(), Garbage());
    const QDateTime modified = QFileInfo(UserFile()).lastModified();

    std::string text = "left over";
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 0u);
    EXPECT_EQ(ReadUserString(kSiteKey, "1", text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(LoadSiteTitles(), std::nullopt);
    SaveProfile();
    EXPECT_TRUE(ReadProfile().empty());

    EXPECT_EQ(FileBytes(UserFile()), Garbage());
    EXPECT_EQ(QFileInfo(UserFile()).lastModified(), modified);

    EXPECT_EQ(WriteUserDword(kUserKey, kTopMostName, 1), 1);
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 1u);
}

TEST_F(DamagedSettingsTest, DamagedLinesReadAsAbsentAndAWriteKeepsEveryReadableValue)
{
    PutFile(UserFile(), kDamaged);
    EXPECT_EQ(ReadUserDword(kUserKey, kShowName), 1u);
    EXPECT_EQ(LoadSiteTitles()->at(1), "Bank");
    EXPECT_EQ(FileBytes(UserFile()), kDamaged);

    // The old file's format error must not be taken for a failed write.
    EXPECT_EQ(WriteUserDword(kUserKey, kWindowHandleName, 77), 1);
    EXPECT_EQ(ReadUserDword(kUserKey, kWindowHandleName), 77u);
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 1u);
    EXPECT_EQ(ReadUserDword(kUserKey, kShowName), 1u);
    EXPECT_EQ(LoadSiteTitles()->at(1), "Bank");
    QSettings rewritten(UserFile(), QSettings::IniFormat);
    rewritten.allKeys();
    EXPECT_EQ(rewritten.status(), QSettings::NoError);
}

TEST_F(DamagedSettingsTest, SettingsPathTakenByADirectoryReadsAsAbsentAndRefusesWrites)
{
    QDir().mkpath(UserFile());
    std::string text;
    EXPECT_EQ(WriteUserDword(kUserKey, kTopMostName, 1), 0);
    EXPECT_EQ(StoreSiteTitle(0, "Mail"), 1);
    EXPECT_EQ(ReadUserString(kUserKey, kTopMostName, text), 0);
    EXPECT_EQ(LoadSiteTitles(), std::nullopt);
    EXPECT_TRUE(QFileInfo(UserFile()).isDir());
}

TEST_F(DamagedSettingsTest, ConfigDirectoryThatCannotBeCreatedFailsWrites)
{
    PutFile(ConfigHome() + "-file", "not a directory");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigHome() + "-file/config"));

    EXPECT_EQ(WriteUserDword(kUserKey, kTopMostName, 1), 0);
    EXPECT_EQ(WriteUserString(kSiteKey, "1", "Mail"), 1);
    SaveProfile();
    EXPECT_TRUE(ReadProfile().empty());
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 0u);
}

class ReadOnlySettingsTest : public test::SettingsSandbox {
protected:
    void SetUp() override
    {
        if (::geteuid() == 0)
            GTEST_SKIP() << "file permissions do not bind the superuser";
        SettingsSandbox::SetUp();
        WriteUserDword(kUserKey, kTopMostName, 1);
        StoreSiteTitle(4, "Mail");
        SaveProfile();
        StoreSiteTitle(4, "Bank");
    }
};

TEST_F(ReadOnlySettingsTest, ReadOnlyFileKeepsItsValues)
{
    const QByteArray before = FileBytes(UserFile());
    QFile::setPermissions(UserFile(), QFile::ReadOwner);

    EXPECT_EQ(WriteUserDword(kUserKey, kTopMostName, 0), 0);
    EXPECT_EQ(StoreSiteTitle(4, "Shop"), 1);
    // Refused values must not linger in memory as if they were stored.
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 1u);
    EXPECT_EQ(LoadSiteTitles()->at(4), "Bank");
    EXPECT_EQ(FileBytes(UserFile()), before);
}

TEST_F(ReadOnlySettingsTest, ReadOnlyDirectoryKeepsItsValuesAndStillShowsTheSnapshot)
{
    const QString dir = QFileInfo(UserFile()).absolutePath();
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    const int written = WriteUserDword(kUserKey, kTopMostName, 0);
    const auto restored = ReadProfile();
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_EQ(written, 0);
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 1u);
    ASSERT_EQ(restored.size(), 31u);
    EXPECT_EQ(restored[4], "Mail");
    EXPECT_EQ(LoadSiteTitles()->at(4), "Bank");
}

}  // namespace
}  // namespace qmb
