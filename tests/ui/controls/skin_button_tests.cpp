// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The dialogs' push button: its face, its caption's colours, its hover look
// and its tip, as the screen shows them.

#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/controls/on_screen.h"
#include "ui/controls/skin_button.h"

namespace qmb {
namespace {

using test::CountPixels;
using test::OnScreen;
using test::Settle;

const QColor kDialogColour(200, 210, 120);

class SkinButtonTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPalette colours = dialog_.palette();
        colours.setColor(QPalette::Window, kDialogColour);
        dialog_.setPalette(colours);
        dialog_.setAutoFillBackground(true);
        dialog_.resize(240, 80);
        button_->setGeometry(20, 20, 120, 30);
        dialog_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog_));
        Settle();
    }

    QPoint Outside() const { return {200, 70}; }

    QWidget dialog_;
    SkinButton* button_ = new SkinButton(&dialog_);
};

TEST_F(SkinButtonTest, FaceIsWhiteOnTheDialogsColourAndEmptyWhenDisabled)
{
    const QImage enabled = OnScreen(button_);
    EXPECT_EQ(enabled.pixelColor(enabled.rect().center()), SkinButton::kFace);
    // The corners take what lies beneath the button.
    EXPECT_EQ(button_->background(), kDialogColour);
    EXPECT_EQ(enabled.pixelColor(0, 0), kDialogColour);
    // No caption: nothing but the face.
    EXPECT_EQ(CountPixels(enabled, SkinButton::kCaption), 0);

    button_->setEnabled(false);
    Settle();
    const QImage disabled = OnScreen(button_);
    EXPECT_EQ(disabled.pixelColor(disabled.rect().center()), kDialogColour);
    EXPECT_EQ(CountPixels(disabled, SkinButton::kFace), 0);
}

TEST_F(SkinButtonTest, CaptionGreysUnderThePointerAndComesBackWhenItLeaves)
{
    button_->setText("Save");
    Settle();
    EXPECT_GT(CountPixels(OnScreen(button_), SkinButton::kCaption), 0);

    QTest::mouseMove(button_, button_->rect().center());
    Settle();
    EXPECT_TRUE(button_->hovered());
    EXPECT_EQ(CountPixels(OnScreen(button_), SkinButton::kCaption), 0);
    EXPECT_GT(CountPixels(OnScreen(button_), SkinButton::kHoverCaption), 0);

    QTest::mouseMove(&dialog_, Outside());
    QTest::qWait(100);
    EXPECT_FALSE(button_->hovered());
    EXPECT_GT(CountPixels(OnScreen(button_), SkinButton::kCaption), 0);
}

TEST_F(SkinButtonTest, APressDraggedOffKeepsTheLookUntilLetGo)
{
    button_->setText("Save");
    QTest::mouseMove(button_, button_->rect().center());
    QTest::mousePress(button_, Qt::LeftButton, {}, button_->rect().center());
    QTest::mouseMove(button_, button_->mapFromParent(Outside()));
    EXPECT_TRUE(button_->hovered());
    QTest::mouseRelease(button_, Qt::LeftButton, {}, button_->mapFromParent(Outside()));
    QTest::qWait(100);
    EXPECT_FALSE(button_->hovered());
}

TEST_F(SkinButtonTest, PressedLooksJustLikeNotPressed)
{
    button_->setText("Save");
    Settle();
    const QImage up = OnScreen(button_);
    button_->setDown(true);
    Settle();
    EXPECT_EQ(OnScreen(button_), up);
}

TEST_F(SkinButtonTest, TipSaysClickHereUntilTheDialogSetsOne)
{
    EXPECT_EQ(button_->toolTip(), "Click Here!");
    button_->SetTooltip("Button Editing.", QColor(50, 112, 205), Qt::white);
    EXPECT_EQ(button_->toolTip(), "Button Editing.");
    button_->SetTooltip({}, QColor(50, 112, 205), Qt::white);
    EXPECT_TRUE(button_->toolTip().isEmpty());
}

}  // namespace
}  // namespace qmb
