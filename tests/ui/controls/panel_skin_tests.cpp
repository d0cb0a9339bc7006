// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The control box's widgets sit over its background: the pictures must line
// up with them in both layouts and at every density.

#include <QImage>

#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/controls/skin_test_support.h"
#include "ui/controls/skin_layout.h"
#include "ui/controls/skin_library.h"

namespace qmb {
namespace {

using test::DevicePixels;
using test::ScopedLanguage;

enum class Accent { Orange, Blue };

struct PanelCase {
    int background;
    QLocale::Language language;
    qreal ratio;
};

std::vector<PanelCase> AllPanels()
{
    std::vector<PanelCase> cases;
    for (int background : {129, 170}) {
        for (QLocale::Language language : {QLocale::English, QLocale::Korean}) {
            for (qreal ratio : {1.0, 2.0}) {
                cases.push_back({background, language, ratio});
            }
        }
    }
    return cases;
}

SkinRect Placement(int controlId, QLocale::Language language)
{
    for (const SkinPlacement& placement : kSkinPlacements) {
        if (placement.controlId == controlId) {
            return language == QLocale::Korean ? placement.korean : placement.english;
        }
    }
    ADD_FAILURE() << "no placement for control " << controlId;
    return {};
}

QImage RenderPanel(const PanelCase& panel)
{
    const ScopedLanguage scoped(panel.language);
    return DevicePixels(RenderSkin(panel.background, {400, 111}, panel.ratio));
}

bool IsAccent(QRgb pixel, Accent accent)
{
    const int warm = qRed(pixel) - qBlue(pixel);
    return accent == Accent::Orange ? qRed(pixel) > 170 && warm > 90 : qBlue(pixel) > 170 && -warm > 90;
}

// Centres of the accent-coloured marks below the track, in device pixels:
// a mark covering columns a..b is centred on the boundary (a + b + 1) / 2.
std::vector<int> TickCentres(const QImage& panel, const SkinRect& slider, qreal ratio, Accent accent)
{
    const int belowTrack = static_cast<int>((slider.y + slider.height / 2 + 3) * ratio);
    const int bottom = static_cast<int>((slider.y + slider.height + 1) * ratio);
    std::vector<int> centres;
    int runStart = -1;
    for (int x = static_cast<int>(slider.x * ratio); x <= static_cast<int>((slider.x + slider.width) * ratio); ++x) {
        bool marked = false;
        for (int y = belowTrack; y < bottom && !marked; ++y) {
            marked = IsAccent(panel.pixel(x, y), accent);
        }
        if (marked && runStart < 0) {
            runStart = x;
        } else if (!marked && runStart >= 0) {
            centres.push_back((runStart + x) / 2);
            runStart = -1;
        }
    }
    return centres;
}

std::vector<int> ExpectedTickCentres(const SkinRect& slider, int count, qreal ratio)
{
    std::vector<int> centres;
    for (int i = 0; i < count; ++i) {
        centres.push_back(static_cast<int>(SliderTickX(slider.x, slider.width, i, count) * ratio));
    }
    return centres;
}

TEST(PanelSkin, TickMarksSitWhereTheThumbCentreStops)
{
    for (const PanelCase& panel : AllPanels()) {
        SCOPED_TRACE(testing::Message() << "skin " << panel.background << ", language " << panel.language
                                        << ", ratio " << panel.ratio);
        const QImage pixels = RenderPanel(panel);
        const SkinRect resolution = Placement(1011, panel.language);
        const SkinRect interval = Placement(1012, panel.language);
        const int resolutionSteps = panel.background == 129 ? 11 : 3;
        EXPECT_EQ(TickCentres(pixels, resolution, panel.ratio, Accent::Orange),
                  ExpectedTickCentres(resolution, resolutionSteps, panel.ratio));
        EXPECT_EQ(TickCentres(pixels, interval, panel.ratio, Accent::Blue),
                  ExpectedTickCentres(interval, 8, panel.ratio));
    }
}

TEST(PanelSkin, LabelFieldsAreWhiteUnderTheLabels)
{
    for (const PanelCase& panel : AllPanels()) {
        SCOPED_TRACE(testing::Message() << "skin " << panel.background << ", language " << panel.language
                                        << ", ratio " << panel.ratio);
        const QImage pixels = RenderPanel(panel);
        for (int controlId : {1006, 1007}) {
            const SkinRect field = Placement(controlId, panel.language);
            int dark = 0;
            for (int y = static_cast<int>((field.y + 2) * panel.ratio);
                 y < static_cast<int>((field.y + field.height - 2) * panel.ratio); ++y) {
                for (int x = static_cast<int>((field.x + 2) * panel.ratio);
                     x < static_cast<int>((field.x + field.width - 2) * panel.ratio); ++x) {
                    dark += qGray(pixels.pixel(x, y)) < 220 ? 1 : 0;
                }
            }
            EXPECT_EQ(dark, 0) << "control " << controlId;
        }
    }
}

// The check boxes are drawn over frames of the background, which move with
// the layout: a light rim at the widget's left edge around a dark well.
TEST(PanelSkin, CheckBoxFramesSitUnderTheCheckBoxes)
{
    for (const PanelCase& panel : AllPanels()) {
        SCOPED_TRACE(testing::Message() << "skin " << panel.background << ", language " << panel.language
                                        << ", ratio " << panel.ratio);
        const QImage pixels = RenderPanel(panel);
        for (int controlId : {1009, 1010}) {
            const SkinRect box = Placement(controlId, panel.language);
            const int middle = static_cast<int>((box.y + box.height / 2.0) * panel.ratio);
            const int rim = static_cast<int>((box.x + 0.5) * panel.ratio);
            const int well = static_cast<int>((box.x + 5.5) * panel.ratio);
            EXPECT_GT(qGray(pixels.pixel(rim, middle)), 110) << "control " << controlId;
            EXPECT_LT(qGray(pixels.pixel(well, middle)), 50) << "control " << controlId;
        }
    }
}

// The window is cut to a rounded rectangle with 38 x 38 corners; whatever
// the background shows must be inside it, and nothing outside it.
TEST(PanelSkin, PanelFillsTheWindowShapeAndNothingElse)
{
    for (const PanelCase& panel : AllPanels()) {
        SCOPED_TRACE(testing::Message() << "skin " << panel.background << ", language " << panel.language
                                        << ", ratio " << panel.ratio);
        const QImage pixels = RenderPanel(panel);
        const int last = static_cast<int>(pixels.width() - 1);
        const int bottom = static_cast<int>(pixels.height() - 1);
        for (QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, bottom), QPoint(last, bottom)}) {
            EXPECT_EQ(qAlpha(pixels.pixel(corner)), 0) << corner.x() << "," << corner.y();
        }
        const int inset = static_cast<int>(12 * panel.ratio);
        for (int y = inset; y <= bottom - inset; ++y) {
            for (int x = inset; x <= last - inset; ++x) {
                ASSERT_EQ(qAlpha(pixels.pixel(x, y)), 255) << x << "," << y;
            }
        }
    }
}

}  // namespace
}  // namespace qmb
