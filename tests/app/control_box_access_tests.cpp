// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The control box for a keyboard user and a screen reader, and how its
// skinned controls show what they cannot do.

#include <QAccessible>
#include <QTest>

#include <algorithm>
#include <cmath>

#include "tests/app/control_box_fixture.h"
#include "tests/support/accessible_tree.h"
#include "tests/support/qt_printers.h"
#include "ui/controls/skin_check_box.h"

namespace qmb {
namespace {

using ControlBoxAccessTest = test::ControlBoxFixture;

// The contrast ratio of two colours, as the web's accessibility guidelines
// measure it.
double Contrast(const QColor& a, const QColor& b)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const auto luminance = [&](const QColor& colour) {
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

TEST_F(ControlBoxAccessTest, ViewControlBoxTakesTheKeyboardAndTabWalksTheBoxAsItIsRead)
{
    for (const Language language : {Language::English, Language::Korean}) {
        Start(0, language);
        program_->trayMenu().viewControlBoxAction()->trigger();
        ASSERT_TRUE(RunUntil([&] { return box().isActiveWindow() && QApplication::focusWidget(); }));
        // In button mode: the mode's own button, auto-click, "Sequence" and
        // the web-site box are off.
        QStringList walked{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(walked, (QStringList{"1110", "1062", "1017", "1106", "1069", "1011", "1088", "1012", "1008", "1110"}));
        EXPECT_EQ(test::UnnamedControls(QAccessible::queryAccessibleInterface(&box())), QStringList());
        EXPECT_FALSE(box().autoClickCheck()->toolTip().isEmpty());
        EXPECT_FALSE(box().siteModeCheck()->toolTip().isEmpty());
        TearDown();
    }
}

TEST_F(ControlBoxAccessTest, DisabledControlsLookDisabledAndFocusStandsOutOfTheSkin)
{
    Start(0);
    program_->trayMenu().viewControlBoxAction()->trigger();
    ASSERT_TRUE(RunUntil([&] { return box().isActiveWindow(); }));
    // The control as the box shows it, on its skin.
    const auto Look = [this](QWidget* control) {
        Run(50);
        return box().grab(control->geometry()).toImage();
    };
    QWidget* sequence = box().button(kSequenceButton);
    QCheckBox* autoClick = box().autoClickCheck();
    ASSERT_FALSE(sequence->isEnabled());
    ASSERT_FALSE(autoClick->isEnabled());
    const QImage disabledSequence = Look(sequence);
    const QImage disabledCheck = Look(autoClick);
    QTest::mouseClick(box().button(kFunctionModeButton), Qt::LeftButton);
    ASSERT_TRUE(RunUntil([&] { return sequence->isEnabled() && autoClick->isEnabled(); }));
    EXPECT_NE(Look(sequence), disabledSequence);
    EXPECT_NE(Look(autoClick), disabledCheck);

    // The box is drawn whole: its white face clear of the widget's edges,
    // with its frame and the focus ring's room around it.
    const QImage check = Look(autoClick);
    QRect face;
    for (int y = 0; y < check.height(); ++y) {
        for (int x = 0; x < check.width(); ++x) {
            if (check.pixelColor(x, y) == SkinCheckBox::kBox) {
                face |= QRect(x, y, 1, 1);
            }
        }
    }
    EXPECT_TRUE(check.rect().adjusted(2, 2, -2, -2).contains(face)) << ::testing::PrintToString(face);
    EXPECT_GE(face.height(), check.height() - 5);

    // Focus on the skin is a ring seen at 3:1 or better against the skin.
    for (QWidget* control : {sequence, static_cast<QWidget*>(autoClick)}) {
        const QImage before = Look(control);
        control->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(control->hasFocus());
        const QImage focused = Look(control);
        const QPoint edge(control->width() / 2, 0);
        EXPECT_GE(Contrast(focused.pixelColor(edge), before.pixelColor(edge)), 3.0) << control->objectName().toStdString();
    }
}

}  // namespace
}  // namespace qmb
