// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_store.h"
#include "settings/site_titles.h"
#include "settings_sandbox.h"

namespace qmb {
namespace {

class SiteTitlesTest : public test::SettingsSandbox {
protected:
    int StoredCount(const QString& key) const
    {
        QSettings other(UserFile(), QSettings::IniFormat);
        other.beginGroup(key);
        return static_cast<int>(other.childKeys().size());
    }
};

std::vector<std::string> Titles(std::initializer_list<std::pair<int, std::string>> set)
{
    std::vector<std::string> titles(kSiteSlotCount);
    for (const auto& [index, title] : set)
        titles[index] = title;
    return titles;
}

TEST_F(SiteTitlesTest, NoTitlesUntilSiteExistsThenAlways31)
{
    WriteUserDword(kUserKey, kTopMostName, 1);
    EXPECT_EQ(LoadSiteTitles(), std::nullopt);

    EXPECT_EQ(StoreSiteTitle(0, "First"), 1);
    StoreSiteTitle(30, "Last");
    StoreSiteTitle(4, "");
    EXPECT_EQ(LoadSiteTitles(), Titles({{0, "First"}, {30, "Last"}}));
    EXPECT_EQ(StoredValue("SOFTWARE/VELD/QMBPRO/SITE/31"), "Last");
    EXPECT_EQ(StoredCount("SOFTWARE/VELD/QMBPRO/SITE"), 3);
}

TEST_F(SiteTitlesTest, EmptyAndMissingTitlesLookTheSame)
{
    StoreSiteTitle(2, "");
    std::string emptyTitle = "x";
    std::string missingTitle = "y";
    EXPECT_EQ(ReadUserString(kSiteKey, "3", emptyTitle), ReadUserString(kSiteKey, "4", missingTitle));
    EXPECT_EQ(emptyTitle, missingTitle);
    EXPECT_EQ(LoadSiteTitles(), Titles({}));
}

TEST_F(SiteTitlesTest, IndexOutsideTheSlotsStoresNothing)
{
    EXPECT_EQ(StoreSiteTitle(-1, "x"), 0);
    EXPECT_EQ(StoreSiteTitle(31, "x"), 0);
    EXPECT_FALSE(QFileInfo::exists(UserFile()));
}

TEST_F(SiteTitlesTest, StoredTitleIsCutToItsBufferAtACharacterBoundary)
{
    std::string korean = "a";
    for (int i = 0; i < 40; ++i)
        korean += "한";
    StoreSiteTitle(0, korean);
    EXPECT_EQ(StoredValue("SOFTWARE/VELD/QMBPRO/SITE/1").toStdString(), korean.substr(0, 1 + 32 * 3));
}

TEST_F(SiteTitlesTest, HandEditedTitleWithCommasIsReadWhole)
{
    PutFile(UserFile(), "[SOFTWARE]\nVELD\\QMBPRO\\SITE\\1=Mail, Work\n");
    EXPECT_EQ(LoadSiteTitles(), Titles({{0, "Mail, Work"}}));
}

TEST_F(SiteTitlesTest, ProfileOperationsWithoutTheirSourceWriteNothing)
{
    SaveProfile();
    EXPECT_TRUE(ReadProfile().empty());
    EXPECT_FALSE(QFileInfo::exists(ConfigHome()));

    StoreSiteTitle(1, "Bank");
    const QByteArray before = FileBytes(UserFile());
    EXPECT_TRUE(ReadProfile().empty());
    EXPECT_EQ(FileBytes(UserFile()), before);
}

TEST_F(SiteTitlesTest, SaveProfileSnapshotsAll31AndReadProfileRestoresIt)
{
    StoreSiteTitle(1, "Bank");
    StoreSiteTitle(7, "Mail");
    SaveProfile();
    EXPECT_EQ(StoredCount("SOFTWARE/VELD/QMBPRO/TEMP_SITE"), 31);

    StoreSiteTitle(1, "Shop");
    StoreSiteTitle(20, "News");
    const auto snapshot = Titles({{1, "Bank"}, {7, "Mail"}});
    EXPECT_EQ(ReadProfile(), snapshot);
    EXPECT_EQ(LoadSiteTitles(), snapshot);
}

}  // namespace
}  // namespace qmb
