// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <array>

#include "protocol/button_tables.h"
#include "protocol/function_key_table.h"
#include "protocol/model_table.h"
#include "protocol/site_tables.h"
#include "protocol/usage_table.h"

namespace qmb {
namespace {

TEST(Usages, ShiftedLettersCarryBitSeven)
{
    EXPECT_EQ(CharToUsage('a', kPasswordTableLength), 0x04);
    EXPECT_EQ(CharToUsage('z', kPasswordTableLength), 0x1D);
    EXPECT_EQ(CharToUsage('A', kPasswordTableLength), 0x84);
    EXPECT_EQ(CharToUsage('Z', kPasswordTableLength), 0x9D);
    EXPECT_EQ(CharToUsage('1', kPasswordTableLength), 0x1E);
    EXPECT_EQ(CharToUsage('9', kPasswordTableLength), 0x26);
    EXPECT_EQ(CharToUsage('0', kPasswordTableLength), 0x27);
}

TEST(Usages, ShortTextLeavesTrailingZeros)
{
    std::array<uint8_t, 12> usages;
    usages.fill(0x55);
    ASSERT_TRUE(ConvertToUsages("aB3z", kPasswordTableLength, usages));
    EXPECT_EQ(usages, (std::array<uint8_t, 12>{0x04, 0x85, 0x20, 0x1D, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(Usages, StarIsForSiteIdsOnly)
{
    std::array<uint8_t, 12> usages{};
    EXPECT_FALSE(ConvertToUsages("ab*", kPasswordTableLength, usages));
    EXPECT_EQ(usages, (std::array<uint8_t, 12>{}));
    ASSERT_TRUE(ConvertToUsages("ab*", kIdTableLength, usages));
    EXPECT_EQ(usages[2], 0xFE);
}

TEST(Usages, AnythingButLettersAndDigitsIsRefusedAndLeavesNothingBehind)
{
    for (const char* text : {"pass word", "pass.word", "pässword", "한글", "tab\t", "x-y"}) {
        for (size_t table : {kPasswordTableLength, kIdTableLength}) {
            std::array<uint8_t, 12> usages{};
            EXPECT_FALSE(ConvertToUsages(text, table, usages)) << text;
            EXPECT_EQ(usages, (std::array<uint8_t, 12>{})) << text;
        }
    }
}

TEST(Usages, TextLongerThanItsBufferIsRefused)
{
    std::array<uint8_t, 6> shortPassword{};
    EXPECT_TRUE(ConvertToUsages("abcdef", kPasswordTableLength, shortPassword));
    EXPECT_FALSE(ConvertToUsages("abcdefg", kPasswordTableLength, shortPassword));
    EXPECT_EQ(shortPassword, (std::array<uint8_t, 6>{}));
}

TEST(Sites, EntryAddressesRunFromAdToE9)
{
    EXPECT_EQ(SiteTable[0].entryAddress, 0xAD);
    EXPECT_EQ(SiteTable[1].entryAddress, 0xAF);
    EXPECT_EQ(SiteTable[30].entryAddress, 0xE9);
    EXPECT_EQ(SiteTable[30].siteNumber, 31);
}

TEST(Sites, SlotRowsAndNicknames)
{
    EXPECT_EQ(IdSlotRowOf(0x4D), 2);
    EXPECT_STREQ(IdSlotNickname(2), "꽃잎");
    EXPECT_EQ(PasswordSlotRowOf(0x89), 3);
    EXPECT_STREQ(PasswordSlotNickname(3), "사슴");
    EXPECT_EQ(IdSlotRowOf(0x71), 5);
    EXPECT_EQ(PasswordSlotRowOf(0x41), 6);
    EXPECT_STREQ(IdSlotNickname(5), "등록 안됨");
    EXPECT_FALSE(IdSlotAddress(0));
    EXPECT_FALSE(IdSlotAddress(5));
    EXPECT_EQ(IdSlotAddress(4), 0x65);
    EXPECT_FALSE(PasswordSlotAddress(6));
    EXPECT_EQ(PasswordSlotAddress(5), 0xA1);
}

TEST(FunctionKeys, RowsMatchByAllThreeBytes)
{
    EXPECT_EQ(FunctionKeyRowOf({1, 0x01, 0x06}), 5);
    EXPECT_EQ(FunctionKeyRowOf({2, 0xB5, 0x00}), 19);
    EXPECT_EQ(FunctionKeyRowOf({1, 0x00, 0xE0}), 30);
    EXPECT_EQ(FunctionKeyRowOf({2, 0x06, 0x01}), 0);
    EXPECT_EQ(FunctionKeyRowOf({0, 0, 0}), 0);
    for (size_t i = 0; i < FunctionKeyTable.size(); ++i) {
        EXPECT_EQ(FunctionKeyTable[i].row, static_cast<int>(i));
    }
}

TEST(FunctionKeys, NamedByNumberOrByNameWhateverTheCaseAndBlanks)
{
    EXPECT_EQ(FunctionKeyRowNamed("5"), 5);
    EXPECT_EQ(FunctionKeyRowNamed("copy"), 5);
    EXPECT_EQ(FunctionKeyRowNamed("Next Track"), 19);
    EXPECT_EQ(FunctionKeyRowNamed("NEXTTRACK"), 19);
    EXPECT_EQ(FunctionKeyRowNamed("default"), 0);
    EXPECT_EQ(FunctionKeyRowNamed("e-mail"), 27);
    for (const char* refused : {"31", "-1", "", "copy2", "05x", "  "}) {
        EXPECT_FALSE(FunctionKeyRowNamed(refused)) << refused;
    }
    EXPECT_FALSE(FunctionKeyRowMatching({2, 0x06, 0x01}));
}

TEST(Buttons, ListEntriesAndMasks)
{
    for (int entry = 0; entry <= 6; ++entry) {
        EXPECT_EQ(IndexToMask(entry), 1 << entry);
    }
    EXPECT_EQ(IndexToMask(-1), 0);
    EXPECT_EQ(IndexToMask(7), 0);
    EXPECT_EQ(MaskToIndex(2), 1);
    EXPECT_EQ(MaskToIndex(64), 6);
    for (const uint8_t other : {0, 1, 3, 128, 255}) {
        EXPECT_EQ(MaskToIndex(other), 0) << int(other);
    }
    EXPECT_EQ(FunctionKeyAddress(4), 0x23);
    EXPECT_EQ(FunctionKeyAddress(5), 0);
    EXPECT_EQ(FunctionKeyAddress(-1), 0);
    EXPECT_EQ(FunctionInputByWord("wheel-down"), 4);
    EXPECT_EQ(ButtonByWord("wheel"), 2);
    EXPECT_FALSE(ButtonByWord("middle"));
}

TEST(Models, LabelsAndProfileEntriesByModel)
{
    EXPECT_EQ(DpiLabel(2, 1), 400);
    EXPECT_EQ(ProfileEntryFor(2, 1, 3), 0);
    EXPECT_EQ(ProfileEntryFor(2, 1, 0), 2);
    EXPECT_EQ(ProfileEntryFor(0, 2, 0), 1);
    EXPECT_EQ(ProfileEntryFor(0, 3, 5), 0);
    EXPECT_EQ(DpiLabel(1, 3), 375);
    EXPECT_FALSE(ProfileEntryFor(1, 3, 3));
    EXPECT_EQ(ProfileEntryFor(1, 11, 1), 3);
    EXPECT_EQ(DpiLabel(1, 11), 1375);
    EXPECT_FALSE(DpiLabel(1, 12));
    EXPECT_FALSE(DpiLabel(0, 4));
    EXPECT_FALSE(DpiLabel(0, 0));
}

TEST(Models, NamesProductIdsAndIntervals)
{
    EXPECT_STREQ(ModelName(2), "T32");
    EXPECT_STREQ(ModelName(3), "QMB-4200plus");
    EXPECT_STREQ(ModelName(4), "QMB-4200P+");
    for (int model : {0, 1, 5, -3}) {
        EXPECT_STREQ(ModelName(model), "T31");
    }
    EXPECT_EQ(FactsForModel(1).productId, 0xC049);
    EXPECT_EQ(FactsForModel(3).productId, 0xC048);
    EXPECT_EQ(IntervalLabel(0), "1 msec");
    EXPECT_EQ(IntervalLabel(7), "8 msec");
    EXPECT_FALSE(IntervalLabel(9));
}

}  // namespace
}  // namespace qmb
