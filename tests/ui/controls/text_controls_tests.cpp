// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// Text on the painted skins: what the window shows after a change, not a
// fresh rendering of it.

#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/controls/on_screen.h"
#include "ui/controls/color_static.h"
#include "ui/controls/transparent_static.h"

namespace qmb {
namespace {

using test::BandedSkin;
using test::CountPixels;
using test::OnScreen;
using test::Settle;

const QColor kPaleTopBand(220, 220, 240);
const QColor kPaleBottomBand(240, 230, 200);

class TextControlsTest : public ::testing::Test {
protected:
    void Show()
    {
        skin_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&skin_));
        Settle();
    }

    // The bands run through the label, so a stale pixel shows on either.
    BandedSkin skin_{kPaleTopBand, kPaleBottomBand};
};

TEST_F(TextControlsTest, ShorterTextOnTheSkinLeavesNothingOfTheLongerOne)
{
    auto* label = new CTransparentStatic(&skin_);
    label->setGeometry(20, BandedSkin::kBandHeight - 12, 200, 24);
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(colours);
    label->setText("1375 1375 1375 1375");
    Show();
    label->setText("1");
    Settle();
    // The skin rendered afresh with the new text, as the window should show.
    const QImage expected = skin_.grab(label->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(expected.pixel(0, 0), kPaleTopBand.rgb());
    EXPECT_EQ(expected.pixel(0, expected.height() - 1), kPaleBottomBand.rgb());
    EXPECT_EQ(OnScreen(label), expected);
}

TEST_F(TextControlsTest, ColouredLabelRepaintsAtOnceInItsNewColour)
{
    auto* label = new ColorStatic(&skin_);
    label->setGeometry(20, 10, 200, 24);
    label->setText("Auto click");
    Show();
    const QColor before = label->labelColor();
    const QColor blue(0, 0, 255);
    ASSERT_GT(CountPixels(OnScreen(label), before), 0);
    ASSERT_EQ(CountPixels(OnScreen(label), blue), 0);
    label->SetLabelColor(blue);
    Settle();
    EXPECT_GT(CountPixels(OnScreen(label), blue), 0);
    EXPECT_EQ(CountPixels(OnScreen(label), before), 0);
}

}  // namespace
}  // namespace qmb
