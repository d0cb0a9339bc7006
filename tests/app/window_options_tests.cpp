// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/window_options.h"
#include "tests/app/control_box_fixture.h"

namespace qmb::test {
namespace {

using DialogOpacityTest = ControlBoxFixture;

// 95 %, which the window system is handed as an alpha of 242 out of 255.
TEST_F(DialogOpacityTest, EveryDialogTheControlBoxOpensIsSlightlyTranslucent)
{
    Start(0);
    // The sequence button works in function mode only.
    QTest::mouseClick(box().button(kFunctionModeButton), Qt::LeftButton);
    for (const auto& [control, dialog] : std::vector<std::pair<QAbstractButton*, QString>>{
             {box().button(kConfigButton), "146"},
             {box().button(kSequenceButton), "144"},
             {box().siteModeCheck(), "141"}}) {
        QString opened;
        int alpha = -1;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            opened = modal->objectName();
            alpha = qRound(modal->windowOpacity() * 255);
            modal->close();
        });
        QTest::mouseClick(control, Qt::LeftButton);
        EXPECT_EQ(opened, dialog);
        EXPECT_EQ(alpha, 242) << dialog.toStdString();
    }
}

TEST(WindowOptions, TopmostKeepsAShownWindowShownWhereItWas)
{
    QWidget window;
    window.move(40, 30);
    window.show();
    SetTopmost(&window, true);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window.pos(), QPoint(40, 30));
    SetTopmost(&window, false);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowStaysOnTopHint);
}

}  // namespace
}  // namespace qmb::test
