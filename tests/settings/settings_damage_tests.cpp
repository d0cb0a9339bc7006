// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QDateTime>
#include <QRect>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "settings/site_titles.h"
#include "settings_probe_run.h"
#include "settings_sandbox.h"

namespace qmb {
namespace {

class DamagedSettingsTest : public test::SettingsSandbox {
protected:
    // The copies of damaged files kept beside the user's file.
    QStringList KeptCopies() const
    {
        QStringList paths;
        const QDir dir = QFileInfo(UserFile()).absoluteDir();
        for (const QString& name : dir.entryList({"QMBPro.conf.damaged-*"}, QDir::Files, QDir::Name))
            paths << dir.filePath(name);
        return paths;
    }
    // Puts file in place, writes a value over it and takes away the copies
    // that write kept: their contents.
    QList<QByteArray> KeptByAWriteOver(const QByteArray& file)
    {
        PutFile(UserFile(), file);
        EXPECT_EQ(WriteUserDword(kUserKey, kShowName, 1), 1);
        QList<QByteArray> kept;
        for (const QString& path : KeptCopies()) {
            kept << FileBytes(path);
            QFile::remove(path);
        }
        return kept;
    }
};

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

TEST_F(DamagedSettingsTest, EveryKindOfDamageIsKeptBeforeItIsWrittenOver)
{
    const QByteArray damages[] = {
        "[SOFTWARE]\nVELD\\QMBPRO\\SITE\\1=\"open quote\nVELD\\QMBPRO\\TopMost=1\n",
        "[SOFTWARE]\nVELD\\QMBPRO\\TopMost 1\n",
        "[SOFTWARE]\nVELD\\QMBPRO\\TopMost=1\x01\n",
        QByteArray("[SOFTWARE]\nVELD\\QMBPRO\\TopMost=1\0\n", 34),
        "[SOFTWARE]\nVELD\\QMBPRO\\SITE\\1=\xff\xfe\n",
        "[SOFTWARE]\nVELD\\QMBPRO\\SITE\\1=\xc0\xaf\n",
        "[SOFTWARE\nVELD\\QMBPRO\\TopMost=1\n",
        "[SOFTWARE] VELD\\QMBPRO\\TopMost=1\n",
        "[ ]\nTopMost=1\n",
        "[SOFTWARE]\n = 1\n",
        "[SOFTWARE]\nVELD\\\nQMBPRO\\TopMost=1\n",
        "\xEF\xBB\xBFTopMost=1\n",
    };
    for (const QByteArray& damaged : damages)
        EXPECT_EQ(KeptByAWriteOver(damaged), QList<QByteArray>{damaged}) << damaged.toStdString();
}

// Hand edits that QSettings reads in full lose nothing when it saves.
TEST_F(DamagedSettingsTest, CleanHandEditsAreWrittenOverWithoutACopy)
{
    const QByteArray edits[] = {
        "",
        "; a comment\n\n[SOFTWARE]\r\nVELD\\QMBPRO\\TopMost = 1 ; why\r\n",
        "  [SOFTWARE]  \n\tVELD\\QMBPRO\\SITE\\1=\"a;b=c, d\" \nVELD\\QMBPRO\\SITE\\2=say \\\"hi\\\"\n",
        "[SOFTWARE]\nVELD\\QMBPRO\\SITE\\1=one \\\n  two\nVELD\\QMBPRO\\SITE\\2=\n",
        "[SOFTWARE]\nVELD\\QMBPRO\\SITE\\1=\xed\x95\x9c\xea\xb5\xad\xec\x96\xb4\x7f",
    };
    for (const QByteArray& edit : edits)
        EXPECT_TRUE(KeptByAWriteOver(edit).isEmpty()) << edit.toStdString();
}

TEST_F(DamagedSettingsTest, FilesQtWroteAreNeverTakenForDamaged)
{
    QString everyCharacter;
    for (char16_t c = 0; c < 0x250; ++c)
        everyCharacter += QChar(c);
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    {
        QSettings qt(UserFile(), QSettings::IniFormat);
        qt.setValue("top", " spaced ");
        qt.setValue("general/key", "[General]");
        qt.setValue("SOFTWARE/VELD/QMBPRO/SITE/1", everyCharacter);
        qt.setValue("SOFTWARE/VELD/QMBPRO/SITE/2", everyByte);
        qt.setValue("SOFTWARE/VELD/QMBPRO/SITE/3", QStringList{"a, b", "\"c\"", "", "d\\"});
        qt.setValue("SOFTWARE/VELD/QMBPRO/SITE/4", QString(QChar(0xD800)) + "@x\\");
        qt.setValue("a key; =[with] \"all\" 한/sorts", "@at");
        qt.setValue("values/rect", QRect(1, 2, 3, 4));
        qt.setValue("values/time", QDateTime::currentDateTimeUtc());
        qt.setValue("values/number", 1.5);
        qt.sync();
        ASSERT_EQ(qt.status(), QSettings::NoError);
    }
    ASSERT_EQ(WriteUserDword(kUserKey, kTopMostName, 1), 1);
    EXPECT_TRUE(KeptCopies().isEmpty()) << FileBytes(UserFile()).toStdString();
}

TEST_F(DamagedSettingsTest, OversizedFileReadsAsNoValuesAndIsMovedAsideWholeByTheNextWrite)
{
    QByteArray oversized = "[SOFTWARE]\nVELD\\QMBPRO\\TopMost=1\nVELD\\QMBPRO\\SITE\\1=Bank\n";
    oversized.append(settings::kMaxSettingsFileSize + 1 - oversized.size(), '\n');
    PutFile(UserFile(), oversized);

    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 0u);
    EXPECT_EQ(LoadSiteTitles(), std::nullopt);

    ASSERT_EQ(WriteUserDword(kUserKey, kShowName, 1), 1);
    EXPECT_EQ(ReadUserDword(kUserKey, kShowName), 1u);
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 0u);
    EXPECT_LT(QFileInfo(UserFile()).size(), 100);
    const QStringList kept = KeptCopies();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(FileBytes(kept[0]), oversized);
}

TEST_F(DamagedSettingsTest, OnlyTheFirstWriteKeepsACopyNamedByATimeThatSortsAndSaysSoOnce)
{
    // The open quote would swallow TopMost at the save.
    const QByteArray damaged = "[SOFTWARE]\nVELD\\QMBPRO\\SITE\\1=\"Bank\nVELD\\QMBPRO\\TopMost=1\n";
    PutFile(UserFile(), damaged);
    const QString before = QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'");
    const test::ProbeRun run = test::Probe({"write", "read", "write"});
    const QString after = QDateTime::currentDateTimeUtc().toString("yyyyMMdd'T'HHmmss'Z'");
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.output, "1\n1\n1\n");

    const QStringList kept = KeptCopies();
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(FileBytes(kept[0]), damaged);
    const QString time = kept[0].section("damaged-", 1);
    EXPECT_TRUE(QRegularExpression("^\\d{8}T\\d{6}Z$").match(time).hasMatch()) << time.toStdString();
    EXPECT_GE(time, before);
    EXPECT_LE(time, after);
    EXPECT_EQ(run.errors, "settings_probe: " + UserFile() + " was damaged; the original is kept as " + kept[0] + "\n");
}

TEST_F(DamagedSettingsTest, SettingsPathTakenByADirectoryReadsAsAbsentAndRefusesWrites)
{
    QDir().mkpath(UserFile());
    std::string text;
    EXPECT_EQ(WriteUserDword(kUserKey, kTopMostName, 1), 0);
    EXPECT_EQ(StoreSiteTitle(0, "Mail"), 0);
    EXPECT_EQ(ReadUserString(kUserKey, kTopMostName, text), 0);
    EXPECT_EQ(LoadSiteTitles(), std::nullopt);
    EXPECT_TRUE(QFileInfo(UserFile()).isDir());
}

TEST_F(DamagedSettingsTest, ConfigDirectoryThatCannotBeCreatedFailsWrites)
{
    PutFile(ConfigHome() + "-file", "not a directory");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigHome() + "-file/config"));

    EXPECT_EQ(WriteUserDword(kUserKey, kTopMostName, 1), 0);
    EXPECT_EQ(WriteUserString(kSiteKey, "1", "Mail"), 0);
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
