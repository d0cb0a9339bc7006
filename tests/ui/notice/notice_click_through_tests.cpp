// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The notice's window is cut to its letters: a real pointer press between
// them goes to the window underneath, a press on a letter does not. Only an
// X server decides that, so this runs on its own Xvfb and sends the presses
// through XTest (xdotool).

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

#include <xcb/shape.h>
#include <xcb/xcb.h>

#include "tests/support/qt_printers.h"
#include "tests/support/virtual_display.h"
#include "ui/notice/notice_popup.h"
#include "ui/notice/notice_text.h"
#include "ui/notice/region_from_bitmap.h"

namespace qmb {
namespace {

const QString kNotice = QStringLiteral("Match Ok!");
const QColor kBlue(50, 112, 205);

// Where the letters of the notice are, worked out apart from the popup.
QRegion Letters()
{
    return RegionFromBitmap(RenderNoticeText(kNotice, kBlue), qRgb(0, 0, 0), qRgb(16, 16, 16));
}

// Set by main() before any test runs.
const VirtualDisplay* virtualDisplay = nullptr;

// A window filling the screen that notes where it was pressed.
class Underneath : public QWidget {
public:
    std::optional<QPoint> pressedAt;

protected:
    void mousePressEvent(QMouseEvent* event) override { pressedAt = event->globalPosition().toPoint(); }
};

// A point of the popup with all of its neighbours in (or all out of) its
// shape, between the letters' left and right ends: a press there cannot
// land on an edge pixel.
std::optional<QPoint> ClearPoint(const QRegion& shape, bool onLetter)
{
    constexpr int kMargin = 2;
    const QRect letters = shape.boundingRect();
    for (int y = letters.top() + kMargin; y <= letters.bottom() - kMargin; ++y) {
        for (int x = letters.left() + kMargin; x <= letters.right() - kMargin; ++x) {
            bool clear = true;
            for (int dy = -kMargin; dy <= kMargin && clear; ++dy) {
                for (int dx = -kMargin; dx <= kMargin && clear; ++dx) {
                    clear = shape.contains(QPoint(x + dx, y + dy)) == onLetter;
                }
            }
            if (clear) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// xdotool's exit status for a left click at the given point of the screen.
int Click(QPoint at)
{
    // xdotool speaks the screen's own pixels; a scaled screen has more.
    const QPoint native = at * QGuiApplication::primaryScreen()->devicePixelRatio();
    return QProcess::execute(
        "xdotool", {"mousemove", "--sync", QString::number(native.x()), QString::number(native.y()), "click", "1"});
}

class NoticeClickThroughTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!virtualDisplay->installed()) {
            GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb)";
        }
        ASSERT_TRUE(virtualDisplay->running()) << virtualDisplay->problem().constData();
        if (QStandardPaths::findExecutable("xdotool").isEmpty()) {
            GTEST_SKIP() << "xdotool is not installed (Debian package xdotool)";
        }
        underneath_.setGeometry(QGuiApplication::primaryScreen()->geometry());
        underneath_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&underneath_));
        ShowNotice(kNotice, kBlue, 60000);
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* popup = qobject_cast<NoticePopup*>(widget)) {
                popup_ = popup;
            }
        }
        ASSERT_FALSE(popup_.isNull());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(popup_));
    }

    // Each test gets a notice window of its own, shown after that test's
    // window and so above it. One left up from the test before would only be
    // raised, a request that may not have left this client when xdotool
    // presses.
    void TearDown() override
    {
        if (!popup_.isNull()) {
            ShowNotice(QString(), kBlue, 0);
            EXPECT_TRUE(QTest::qWaitFor([this] { return popup_.isNull(); }, 1000));
        }
    }

    Underneath underneath_;
    QPointer<NoticePopup> popup_;
};

TEST_F(NoticeClickThroughTest, PressBetweenTheLettersReachesTheWindowUnderneath)
{
    const auto gap = ClearPoint(Letters(), false);
    ASSERT_TRUE(gap.has_value());
    const QPoint at = popup_->mapToGlobal(*gap);
    ASSERT_EQ(Click(at), 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return underneath_.pressedAt.has_value(); }, 3000));
    EXPECT_EQ(*underneath_.pressedAt, at);
}

TEST_F(NoticeClickThroughTest, PressOnALetterGoesNowhereElse)
{
    const auto letter = ClearPoint(Letters(), true);
    ASSERT_TRUE(letter.has_value());
    ASSERT_EQ(Click(popup_->mapToGlobal(*letter)), 0);
    QTest::qWait(500);
    EXPECT_FALSE(underneath_.pressedAt.has_value());
    EXPECT_TRUE(popup_->isVisible());
}

// The window's shape as the X server keeps it, in the screen's pixels.
QRegion ShapeOnTheServer(WId window)
{
    auto* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto cookie = xcb_shape_get_rectangles(connection, static_cast<xcb_window_t>(window), XCB_SHAPE_SK_BOUNDING);
    xcb_shape_get_rectangles_reply_t* reply = xcb_shape_get_rectangles_reply(connection, cookie, nullptr);
    QRegion shape;
    if (reply != nullptr) {
        const xcb_rectangle_t* rectangles = xcb_shape_get_rectangles_rectangles(reply);
        for (int i = 0; i < xcb_shape_get_rectangles_rectangles_length(reply); ++i) {
            shape += QRect(rectangles[i].x, rectangles[i].y, rectangles[i].width, rectangles[i].height);
        }
        free(reply);
    }
    return shape;
}

TEST_F(NoticeClickThroughTest, TheWindowIsCutToTheLettersAtTheScreensOwnPixels)
{
    const qreal scale = QGuiApplication::primaryScreen()->devicePixelRatio();
    const QRegion fine = RegionFromBitmap(RenderNoticeText(kNotice, kBlue, scale), qRgb(0, 0, 0), qRgb(16, 16, 16));
    const QRegion shape = ShapeOnTheServer(popup_->winId());
    EXPECT_TRUE(shape.xored(fine).isEmpty()) << "shape " << ::testing::PrintToString(shape.boundingRect()) << ", "
                                             << shape.rectCount() << " runs";
    if (scale > 1) {
        // Not the letters at one pixel a unit, blown up.
        EXPECT_FALSE(shape.xored(QTransform::fromScale(scale, scale).map(Letters())).isEmpty());
    }
}

}  // namespace
}  // namespace qmb

// Not the shared GUI test main: that one makes the application at once and
// on the offscreen platform, while this binary's application has to connect
// to an Xvfb started before it, and that Xvfb has to outlive it. A hook in
// the shared main for this one binary would cost more than these lines.
int main(int argc, char** argv)
{
    qmb::VirtualDisplay display;
    if (display.running()) {
        qputenv("DISPLAY", display.name());
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        // The tests skip or fail on their own; the application still has to
        // start to run them.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qmb::virtualDisplay = &display;
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
