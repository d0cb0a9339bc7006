// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/qt_printers.h"
#include "ui/notice/notice_popup.h"
#include "ui/notice/notice_text.h"
#include "ui/notice/region_from_bitmap.h"

namespace qmb {
namespace {

QList<NoticePopup*> Popups()
{
    QList<NoticePopup*> popups;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* popup = qobject_cast<NoticePopup*>(widget)) {
            popups.append(popup);
        }
    }
    return popups;
}

NoticePopup* TheOnlyPopup()
{
    const auto popups = Popups();
    return popups.size() == 1 ? popups.front() : nullptr;
}

bool NoticeOnScreen()
{
    const auto popups = Popups();
    return std::any_of(popups.begin(), popups.end(), [](QWidget* popup) { return popup->isVisible(); });
}

// Polls, handling events, until no popup is left, for at most milliseconds.
bool PopupsGoneWithin(int milliseconds)
{
    return QTest::qWaitFor([] { return Popups().isEmpty(); }, milliseconds);
}

QRegion LettersOf(const QString& text, QColor colour)
{
    return RegionFromBitmap(RenderNoticeText(text, colour), qRgb(0, 0, 0), qRgb(16, 16, 16));
}

bool SameArea(const QRegion& a, const QRegion& b)
{
    return a.xored(b).isEmpty();
}

// Milliseconds from clock's start until no notice is on screen any more.
qint64 WaitUntilNoticeGone(const QElapsedTimer& clock)
{
    while (NoticeOnScreen() && clock.elapsed() < 10000) {
        QTest::qWait(5);
    }
    return clock.elapsed();
}

class NoticePopupTest : public testing::Test {
protected:
    // Every notice goes by itself once its time is up; one left over would
    // be taken for the next test's.
    void TearDown() override { EXPECT_TRUE(PopupsGoneWithin(5000)) << "a notice outlived its test"; }
};

TEST_F(NoticePopupTest, NoticeFloatsCentredInItsColour)
{
    const QColor blue(50, 112, 205);
    ShowNotice(QStringLiteral("Match Ok!"), blue, 300);
    NoticePopup* popup = TheOnlyPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->parentWidget(), nullptr);
    const Qt::WindowFlags flags = popup->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(popup->testAttribute(Qt::WA_ShowWithoutActivating));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(popup->size(), kNoticeSize);
    EXPECT_LE((popup->geometry().center() - screen.center()).manhattanLength(), 1);

    const QRegion letters = LettersOf(QStringLiteral("Match Ok!"), blue);
    ASSERT_FALSE(letters.isEmpty());
    EXPECT_TRUE(SameArea(popup->mask(), letters));
    const QImage drawn = popup->grab().toImage();
    for (const QRect& run : letters) {
        ASSERT_EQ(drawn.pixelColor(run.topLeft()), blue) << "at the run " << testing::PrintToString(run);
    }
}

TEST_F(NoticePopupTest, SecondNoticeReplacesTheFirstForItsFullTime)
{
    const QColor red(200, 0, 0);
    const QColor blue(50, 112, 205);
    ShowNotice(QStringLiteral("Not Match!"), red, 1000);
    NoticePopup* first = TheOnlyPopup();
    ASSERT_NE(first, nullptr);
    QTest::qWait(400);

    QElapsedTimer sinceSecond;
    sinceSecond.start();
    ShowNotice(QStringLiteral("Match Ok!"), blue, 1000);
    ASSERT_EQ(TheOnlyPopup(), first);
    EXPECT_TRUE(first->isVisible());
    ASSERT_TRUE(SameArea(first->mask(), LettersOf(QStringLiteral("Match Ok!"), blue)));
    EXPECT_FALSE(SameArea(first->mask(), LettersOf(QStringLiteral("Not Match!"), red)));
    const QImage drawn = first->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(first->mask().begin()->topLeft()), blue);

    const qint64 shownFor = WaitUntilNoticeGone(sinceSecond);
    EXPECT_GE(shownFor, 1000) << "gone after " << shownFor << " ms";
    EXPECT_LT(shownFor, 3000) << "gone after " << shownFor << " ms";
}

TEST_F(NoticePopupTest, EmptyTextShowsNothingAndGoesAfterItsTime)
{
    ShowNotice(QString(), QColor(200, 0, 0), 300);
    EXPECT_FALSE(NoticeOnScreen());
    EXPECT_EQ(Popups().size(), 1);
    EXPECT_TRUE(PopupsGoneWithin(3000));
}

TEST_F(NoticePopupTest, EmptyTextTakesDownTheNoticeStillUp)
{
    ShowNotice(QStringLiteral("Not support !"), QColor(200, 0, 0), 5000);
    ASSERT_TRUE(NoticeOnScreen());
    QElapsedTimer sinceEmpty;
    sinceEmpty.start();
    ShowNotice(QString(), QColor(200, 0, 0), 300);
    EXPECT_FALSE(NoticeOnScreen());
    ASSERT_TRUE(PopupsGoneWithin(3000));
    EXPECT_GE(sinceEmpty.elapsed(), 300);
}

TEST_F(NoticePopupTest, LongTextIsCutToSixtyCharacters)
{
    QString sixty;
    for (int i = 0; i < 60; ++i) {
        sixty += QChar(u'a' + i % 26);
    }
    ShowNotice(sixty + QStringLiteral("XYZ"), QColor(200, 0, 0), 100);
    const NoticePopup* popup = TheOnlyPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(SameArea(popup->mask(), LettersOf(sixty, QColor(200, 0, 0))));
}

TEST_F(NoticePopupTest, NoticeOutlivesTheDialogThatShowedIt)
{
    auto* dialog = new QDialog;
    QTimer::singleShot(0, dialog, [dialog] {
        ShowNotice(QStringLiteral("Input PWD."), QColor(200, 0, 0), 500);
        dialog->reject();
    });
    QElapsedTimer clock;
    clock.start();
    dialog->exec();
    delete dialog;
    ASSERT_TRUE(NoticeOnScreen());
    const qint64 shownFor = WaitUntilNoticeGone(clock);
    EXPECT_GE(shownFor, 500) << "gone after " << shownFor << " ms";
}

TEST_F(NoticePopupTest, NegativeTimeTakesTheNoticeDownAtOnce)
{
    ShowNotice(QStringLiteral("Invalid keys!"), QColor(200, 0, 0), -1);
    EXPECT_TRUE(PopupsGoneWithin(1000));
}

}  // namespace
}  // namespace qmb
