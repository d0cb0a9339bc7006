// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <string>

#include "settings/settings_store.h"
#include "settings_sandbox.h"

namespace qmb {
namespace {

using namespace std::string_literals;

class SettingsStoreTest : public test::SettingsSandbox {};

TEST_F(SettingsStoreTest, FirstRunReadsDefaultsAndCreatesNothing)
{
    std::string text = "left over";
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 0u);
    EXPECT_EQ(ReadUserString(kSiteKey, "1", text), 0);
    EXPECT_EQ(text, "");
    EXPECT_EQ(ReadUserString(kUserKey, kShowName, text), 0);
    EXPECT_EQ(ReadMachineDword(kMachineKey, kModelName), 0u);
    EXPECT_FALSE(QFileInfo::exists(ConfigHome()));
}

TEST_F(SettingsStoreTest, DwordsRoundTripInAFileThatReadsLikeTheRegistry)
{
    EXPECT_EQ(WriteUserDword(kUserKey, kTopMostName, 1), 1);
    EXPECT_EQ(WriteUserDword(kUserKey, kWindowHandleName, 4294967295u), 1);
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 1u);
    EXPECT_EQ(ReadUserDword(kUserKey, kWindowHandleName), 4294967295u);
    EXPECT_EQ(ReadUserDword(kUserKey, kShowName), 0u);

    const QByteArray file = FileBytes(UserFile());
    EXPECT_TRUE(file.startsWith("[SOFTWARE]\n")) << file.constData();
    EXPECT_TRUE(file.contains("\nVELD\\QMBPRO\\TopMost=1\n")) << file.constData();
    EXPECT_EQ(StoredValue("SOFTWARE/VELD/QMBPRO/hexe"), "4294967295");
}

TEST_F(SettingsStoreTest, DwordTextsThatAreNotDecimalNumbersReadAsZero)
{
    PutFile(UserFile(),
            "[SOFTWARE]\nVELD\\QMBPRO\\word=abc\nVELD\\QMBPRO\\negative=-1\n"
            "VELD\\QMBPRO\\tooLarge=4294967296\nVELD\\QMBPRO\\hex=0x10\nVELD\\QMBPRO\\fraction=1.5\n"
            "VELD\\QMBPRO\\empty=\nVELD\\QMBPRO\\list=1, 2\nVELD\\QMBPRO\\plus=+3\n"
            "VELD\\QMBPRO\\spaced=  7  \nVELD\\QMBPRO\\quoted=\" 8 \"\n");
    for (const char* name : {"word", "negative", "tooLarge", "hex", "fraction", "empty", "list", "plus"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReadUserDword(kUserKey, name), 0u);
    }
    EXPECT_EQ(ReadUserDword(kUserKey, "spaced"), 7u);
    EXPECT_EQ(ReadUserDword(kUserKey, "quoted"), 8u);
}

TEST_F(SettingsStoreTest, StringResultTellsOnlyWhetherTheKeyExists)
{
    EXPECT_EQ(WriteUserString(kSiteKey, "3", "Mail"), 1);
    WriteUserDword(kUserKey, kTopMostName, 5);
    std::string text = "left over";

    EXPECT_EQ(ReadUserString(kSiteKey, "3", text), 1);
    EXPECT_EQ(text, "Mail");
    EXPECT_EQ(ReadUserString(kSiteKey, "4", text), 1);
    EXPECT_EQ(text, "");
    EXPECT_EQ(ReadUserString(kUserKey, kTopMostName, text), 1);
    EXPECT_EQ(text, "5");
    // SITE is a key, not a value; SITE/3 is a value, not a key.
    EXPECT_EQ(ReadUserString(kUserKey, "SITE", text), 1);
    EXPECT_EQ(text, "");
    EXPECT_EQ(ReadUserString("SOFTWARE/VELD/QMBPRO/SITE/3", "x", text), 0);
    EXPECT_EQ(ReadUserString(kTempSiteKey, "3", text), 0);
}

TEST_F(SettingsStoreTest, StringsKeepUtf8AndCharactersThatMeanSomethingInIni)
{
    const std::string title = "한국어 a, b \"q\" ;x =y\\z [s] @x";
    WriteUserString(kSiteKey, "1", title);
    std::string text;
    ReadUserString(kSiteKey, "1", text);
    EXPECT_EQ(text, title);
    EXPECT_EQ(StoredValue("SOFTWARE/VELD/QMBPRO/SITE/1").toStdString(), title);
}

TEST_F(SettingsStoreTest, TextsAreCutAtTheirTerminatorAndToTheBufferAtACharacterBoundary)
{
    WriteUserString(kSiteKey, "1", "ab\0cd"s);
    WriteUserString(kSiteKey, "2", std::string(150, 'a'));
    WriteUserString(kSiteKey, "3", std::string(98, 'b') + "한");
    WriteUserString(kSiteKey, "4", std::string(97, 'c') + "é");

    const std::string expected[] = {"ab", std::string(99, 'a'), std::string(98, 'b'),
                                    std::string(97, 'c') + "é"};
    for (int slot = 1; slot <= 4; ++slot) {
        std::string text;
        ReadUserString(kSiteKey, std::to_string(slot), text);
        EXPECT_EQ(text, expected[slot - 1]) << "slot " << slot;
    }
    EXPECT_EQ(StoredValue("SOFTWARE/VELD/QMBPRO/SITE/2").size(), 150);
}

TEST_F(SettingsStoreTest, KeysOrNamesThatNameNothingStoreNothing)
{
    EXPECT_EQ(WriteUserDword(kUserKey, "", 1), 0);
    EXPECT_EQ(WriteUserDword("/", kTopMostName, 1), 0);
    EXPECT_EQ(WriteUserString(kUserKey, "/", "x"), 0);
    EXPECT_FALSE(QFileInfo::exists(UserFile()));
    std::string text;
    WriteUserDword(kUserKey, kTopMostName, 1);
    EXPECT_EQ(ReadUserString("", kTopMostName, text), 0);
    EXPECT_EQ(ReadMachineDword(kMachineKey, ""), 0u);
}

class MachineValueTest : public test::SettingsSandbox {};

TEST_F(MachineValueTest, ModelComesFromTheFirstConfigDirectoryHoldingTheFile)
{
    PutFile(MachineFile(1), "Model=2\n");
    EXPECT_EQ(ReadMachineDword(kMachineKey, kModelName), 2u);
    PutFile(MachineFile(0), "Unrelated=1\n");
    EXPECT_EQ(ReadMachineDword(kMachineKey, kModelName), 0u);
    PutFile(MachineFile(0), "[General]\nModel=4\n");
    EXPECT_EQ(ReadMachineDword(kMachineKey, kModelName), 4u);
}

TEST_F(MachineValueTest, UserSettingsNeverStandForTheMachine)
{
    PutFile(ConfigHome() + "/VELD/QMB_VIZado.conf", "Model=2\n");
    WriteUserDword(kMachineKey, kModelName, 3);
    EXPECT_EQ(ReadMachineDword(kMachineKey, kModelName), 0u);
}

}  // namespace
}  // namespace qmb
