// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The slider draws its thumb over a picture of the skin beneath it, taken
// at its first paint and never again.

#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/controls/on_screen.h"
#include "ui/controls/skin_slider.h"

namespace qmb {
namespace {

using test::BandedSkin;
using test::CountPixels;
using test::OnScreen;
using test::Settle;

const QColor kTopBand(200, 60, 40);
const QColor kBottomBand(40, 90, 200);
const QColor kLaterSkin(30, 160, 60);

class SkinSliderSnapshotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        slider_->setGeometry(20, 10, 200, 20);
        slider_->setRange(0, 10);
        skin_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&skin_));
        Settle();
        ASSERT_GT(CountPixels(OnScreen(slider_), kTopBand), 0);
    }

    BandedSkin skin_{kTopBand, kBottomBand};
    SkinSlider* slider_ = new SkinSlider(&skin_);
};

TEST_F(SkinSliderSnapshotTest, SkinChangedAfterTheFirstPaintStaysUnseen)
{
    skin_.Repaint(kLaterSkin, kLaterSkin);
    slider_->setValue(10);
    Settle();
    ASSERT_GT(CountPixels(OnScreen(&skin_), kLaterSkin), 0);
    const QImage slider = OnScreen(slider_);
    EXPECT_EQ(CountPixels(slider, kLaterSkin), 0);
    EXPECT_GT(CountPixels(slider, kTopBand), 0);
}

TEST_F(SkinSliderSnapshotTest, MovedSliderKeepsThePictureOfWhereItWas)
{
    slider_->move(20, BandedSkin::kBandHeight + 10);
    slider_->setValue(10);
    Settle();
    const QImage slider = OnScreen(slider_);
    EXPECT_EQ(CountPixels(slider, kBottomBand), 0);
    EXPECT_GT(CountPixels(slider, kTopBand), 0);
}

}  // namespace
}  // namespace qmb
