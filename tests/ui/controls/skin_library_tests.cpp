// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/skin_library.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "tests/ui/controls/skin_test_support.h"
#include "ui/controls/skin_catalog.h"

namespace qmb {
namespace {

using test::DevicePixels;
using test::ScopedLanguage;

constexpr int kCloseMark = 147;

int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                     std::abs(qAlpha(a) - qAlpha(b))});
}

int CountDiffering(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            differing += ChannelDistance(a.pixel(x, y), b.pixel(x, y)) > 48 ? 1 : 0;
        }
    }
    return differing;
}

double CoveredShare(const QImage& image)
{
    int covered = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            covered += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return static_cast<double>(covered) / (image.width() * image.height());
}

bool HasSeveralColours(const QImage& image)
{
    const QRgb first = image.pixel(image.width() / 2, image.height() / 2);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (ChannelDistance(image.pixel(x, y), first) > 48) {
                return true;
            }
        }
    }
    return false;
}

TEST(SkinLibrary, EveryPictureRendersAtItsNativeSizeInBothLanguages)
{
    for (QLocale::Language language : {QLocale::English, QLocale::Korean}) {
        const ScopedLanguage scoped(language);
        for (const SkinEntry& skin : kSkinCatalog) {
            SCOPED_TRACE(testing::Message() << "skin " << skin.bitmapId << ", language " << language);
            const QSize native(skin.width, skin.height);
            ASSERT_EQ(SkinSize(skin.bitmapId), native);
            const QPixmap pixmap = RenderSkin(skin.bitmapId, native, 1.0);
            ASSERT_FALSE(pixmap.isNull());
            EXPECT_EQ(pixmap.size(), native);
            EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), 1.0);
            const QImage pixels = DevicePixels(pixmap);
            EXPECT_GT(CoveredShare(pixels), 0.3);
            EXPECT_TRUE(HasSeveralColours(pixels));
        }
    }
}

TEST(SkinLibrary, UnknownIdsAndUnusableSizesGiveNothing)
{
    for (int unknown : {0, -1, 128, 130, 171, 100000}) {
        EXPECT_TRUE(RenderSkin(unknown, {57, 22}, 1.0).isNull()) << unknown;
        EXPECT_FALSE(SkinSize(unknown).isValid()) << unknown;
    }
    EXPECT_TRUE(RenderSkin(132, {0, 22}, 1.0).isNull());
    EXPECT_TRUE(RenderSkin(132, {57, -1}, 1.0).isNull());
    EXPECT_TRUE(RenderSkin(132, {}, 1.0).isNull());
    EXPECT_TRUE(RenderSkin(132, {57, 22}, 0.0).isNull());
    EXPECT_TRUE(RenderSkin(132, {57, 22}, -2.0).isNull());
    EXPECT_TRUE(RenderSkin(132, {57, 22}, std::numeric_limits<qreal>::quiet_NaN()).isNull());
    EXPECT_TRUE(RenderSkin(132, {57, 22}, std::numeric_limits<qreal>::infinity()).isNull());
    EXPECT_TRUE(RenderSkin(129, {400, 111}, 1e6).isNull());
    EXPECT_TRUE(RenderSkin(129, {1 << 30, 111}, 1.0).isNull());
    EXPECT_FALSE(RenderSkin(132, {57, 22}, 1.0).isNull());
}

TEST(SkinLibrary, DeviceRatioScalesThePixelsNotTheLogicalSize)
{
    for (const SkinEntry& skin : kSkinCatalog) {
        SCOPED_TRACE(testing::Message() << "skin " << skin.bitmapId);
        const QSize native(skin.width, skin.height);
        const QPixmap twice = RenderSkin(skin.bitmapId, native, 2.0);
        ASSERT_FALSE(twice.isNull());
        EXPECT_EQ(twice.size(), native * 2);
        EXPECT_DOUBLE_EQ(twice.devicePixelRatio(), 2.0);
        EXPECT_EQ(twice.deviceIndependentSize(), QSizeF(native));
    }
    const QPixmap fractional = RenderSkin(129, {400, 111}, 1.25);
    EXPECT_EQ(fractional.size(), QSize(500, 139));
    EXPECT_DOUBLE_EQ(fractional.devicePixelRatio(), 1.25);
}

// A picture drawn for 2x must carry detail a 1x picture blown up cannot.
TEST(SkinLibrary, DoubleDensityIsDrawnAfreshNotUpscaled)
{
    for (const SkinEntry& skin : kSkinCatalog) {
        SCOPED_TRACE(testing::Message() << "skin " << skin.bitmapId);
        const QSize native(skin.width, skin.height);
        const QImage once = DevicePixels(RenderSkin(skin.bitmapId, native, 1.0));
        const QImage twice = DevicePixels(RenderSkin(skin.bitmapId, native, 2.0));
        const int enough = std::max(40, twice.width() * twice.height() / 400);
        for (Qt::TransformationMode blowUp : {Qt::FastTransformation, Qt::SmoothTransformation}) {
            const QImage blownUp = once.scaled(twice.size(), Qt::IgnoreAspectRatio, blowUp);
            EXPECT_GT(CountDiffering(twice, blownUp), enough) << "blown up " << blowUp;
        }
    }
}

// The white resolution field starts at x 245: at 2x the step from its dark
// rim to white falls between device columns 489 and 490, with no blended
// column a smoothed upscale would leave.
TEST(SkinLibrary, DoubleDensityEdgesStaySharp)
{
    for (int background : {129, 170}) {
        SCOPED_TRACE(testing::Message() << "skin " << background);
        const QImage twice = DevicePixels(RenderSkin(background, {400, 111}, 2.0));
        for (int y = 2 * 35; y < 2 * 42; ++y) {
            EXPECT_LT(qGray(twice.pixel(489, y)), 60) << "row " << y;
            EXPECT_GT(qGray(twice.pixel(490, y)), 225) << "row " << y;
        }
    }
}

TEST(SkinLibrary, PicturesWithWordsFollowTheLanguage)
{
    for (const SkinEntry& skin : kSkinCatalog) {
        SCOPED_TRACE(testing::Message() << "skin " << skin.bitmapId);
        const QSize native(skin.width, skin.height);
        QImage english;
        QImage korean;
        {
            const ScopedLanguage scoped(QLocale::English);
            english = DevicePixels(RenderSkin(skin.bitmapId, native, 1.0));
        }
        {
            const ScopedLanguage scoped(QLocale::Korean);
            korean = DevicePixels(RenderSkin(skin.bitmapId, native, 1.0));
        }
        if (skin.bitmapId == kCloseMark) {
            EXPECT_EQ(english, korean);
        } else {
            EXPECT_GT(CountDiffering(english, korean), 10);
        }
        const ScopedLanguage scoped(QLocale::English);
        EXPECT_EQ(DevicePixels(RenderSkin(skin.bitmapId, native, 1.0)), english);
    }
}

TEST(SkinLibrary, RepeatedRequestsShareOnePixmapPerLanguageSizeAndRatio)
{
    const ScopedLanguage english(QLocale::English);
    const QPixmap first = RenderSkin(139, {50, 15}, 2.0);
    EXPECT_EQ(RenderSkin(139, {50, 15}, 2.0).cacheKey(), first.cacheKey());
    EXPECT_NE(RenderSkin(139, {50, 15}, 1.0).cacheKey(), first.cacheKey());
    EXPECT_NE(RenderSkin(139, {51, 15}, 2.0).cacheKey(), first.cacheKey());
    EXPECT_NE(RenderSkin(140, {50, 15}, 2.0).cacheKey(), first.cacheKey());
    const ScopedLanguage korean(QLocale::Korean);
    EXPECT_NE(RenderSkin(139, {50, 15}, 2.0).cacheKey(), first.cacheKey());
}

TEST(ProgramIcon, HasAShapedPictureAtEveryTraySize)
{
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(testing::Message() << side << " px");
        const QPixmap pixmap = icon.pixmap(QSize(side, side), 1.0);
        ASSERT_EQ(pixmap.size(), QSize(side, side));
        const QImage pixels = DevicePixels(pixmap);
        EXPECT_GT(CoveredShare(pixels), 0.3);
        EXPECT_EQ(qAlpha(pixels.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(pixels.pixel(side - 1, side - 1)), 0);
        EXPECT_TRUE(HasSeveralColours(pixels));
    }
}

}  // namespace
}  // namespace qmb
