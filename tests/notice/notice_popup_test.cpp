#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include "app/notice/notice_popup.h"
#include "app/notice/notice_text.h"
#include "app/notice/region_from_bitmap.h"

namespace {

QList<qmb::NoticePopup*> Popups()
{
    QList<qmb::NoticePopup*> popups;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* popup = qobject_cast<qmb::NoticePopup*>(widget)) {
            popups.append(popup);
        }
    }
    return popups;
}

qmb::NoticePopup* TheOnlyPopup()
{
    const auto popups = Popups();
    return popups.size() == 1 ? popups.front() : nullptr;
}

bool NoticeOnScreen()
{
    const auto popups = Popups();
    return std::any_of(popups.begin(), popups.end(), [](QWidget* popup) { return popup->isVisible(); });
}

QRegion LettersOf(const QString& text, QColor colour)
{
    return qmb::RegionFromBitmap(qmb::RenderNoticeText(text, colour), qRgb(0, 0, 0), qRgb(16, 16, 16));
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

}  // namespace

class NoticePopupTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        QTRY_VERIFY_WITH_TIMEOUT(Popups().isEmpty(), 5000);
    }

    void noticeFloatsCentredInItsColour()
    {
        const QColor blue(50, 112, 205);
        QCOMPARE(qmb::ShowNotice(QStringLiteral("Match Ok!"), blue, 300), 1);
        qmb::NoticePopup* popup = TheOnlyPopup();
        QVERIFY(popup != nullptr);
        QVERIFY(popup->isVisible());
        QVERIFY(popup->parentWidget() == nullptr);
        const Qt::WindowFlags flags = popup->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags.testFlags(Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus));
        QVERIFY(popup->testAttribute(Qt::WA_ShowWithoutActivating));

        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(popup->size(), qmb::kNoticeSize);
        QVERIFY((popup->geometry().center() - screen.center()).manhattanLength() <= 1);

        const QRegion letters = LettersOf(QStringLiteral("Match Ok!"), blue);
        QVERIFY(!letters.isEmpty());
        QVERIFY(SameArea(popup->mask(), letters));
        const QImage drawn = popup->grab().toImage();
        for (const QRect& run : letters) {
            QCOMPARE(drawn.pixelColor(run.topLeft()), blue);
        }
    }

    void secondNoticeReplacesTheFirstForItsFullTime()
    {
        const QColor red(200, 0, 0);
        const QColor blue(50, 112, 205);
        qmb::ShowNotice(QStringLiteral("Not Match!"), red, 1000);
        qmb::NoticePopup* first = TheOnlyPopup();
        QVERIFY(first != nullptr);
        QTest::qWait(400);

        QElapsedTimer sinceSecond;
        sinceSecond.start();
        qmb::ShowNotice(QStringLiteral("Match Ok!"), blue, 1000);
        QCOMPARE(TheOnlyPopup(), first);
        QVERIFY(first->isVisible());
        QVERIFY(SameArea(first->mask(), LettersOf(QStringLiteral("Match Ok!"), blue)));
        QVERIFY(!SameArea(first->mask(), LettersOf(QStringLiteral("Not Match!"), red)));
        const QImage drawn = first->grab().toImage();
        QCOMPARE(drawn.pixelColor(first->mask().begin()->topLeft()), blue);

        const qint64 shownFor = WaitUntilNoticeGone(sinceSecond);
        QVERIFY2(shownFor >= 1000, qPrintable(QStringLiteral("gone after %1 ms").arg(shownFor)));
        QVERIFY2(shownFor < 3000, qPrintable(QStringLiteral("gone after %1 ms").arg(shownFor)));
    }

    void emptyTextShowsNothingAndGoesAfterItsTime()
    {
        QCOMPARE(qmb::ShowNotice(QString(), QColor(200, 0, 0), 300), 1);
        QVERIFY(!NoticeOnScreen());
        QCOMPARE(Popups().size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(Popups().isEmpty(), 3000);
    }

    void emptyTextTakesDownTheNoticeStillUp()
    {
        qmb::ShowNotice(QStringLiteral("Not support !"), QColor(200, 0, 0), 5000);
        QVERIFY(NoticeOnScreen());
        QElapsedTimer sinceEmpty;
        sinceEmpty.start();
        qmb::ShowNotice(QString(), QColor(200, 0, 0), 300);
        QVERIFY(!NoticeOnScreen());
        QTRY_VERIFY_WITH_TIMEOUT(Popups().isEmpty(), 3000);
        QVERIFY(sinceEmpty.elapsed() >= 300);
    }

    void longTextIsCutToSixtyCharacters()
    {
        QString sixty;
        for (int i = 0; i < 60; ++i) {
            sixty += QChar(u'a' + i % 26);
        }
        qmb::ShowNotice(sixty + QStringLiteral("XYZ"), QColor(200, 0, 0), 100);
        QVERIFY(SameArea(TheOnlyPopup()->mask(), LettersOf(sixty, QColor(200, 0, 0))));
    }

    void noticeOutlivesTheDialogThatShowedIt()
    {
        auto* dialog = new QDialog;
        QTimer::singleShot(0, dialog, [dialog] {
            qmb::ShowNotice(QStringLiteral("Input PWD."), QColor(200, 0, 0), 500);
            dialog->reject();
        });
        QElapsedTimer clock;
        clock.start();
        dialog->exec();
        delete dialog;
        QVERIFY(NoticeOnScreen());
        const qint64 shownFor = WaitUntilNoticeGone(clock);
        QVERIFY2(shownFor >= 500, qPrintable(QStringLiteral("gone after %1 ms").arg(shownFor)));
    }

    void negativeTimeTakesTheNoticeDownAtOnce()
    {
        qmb::ShowNotice(QStringLiteral("Invalid keys!"), QColor(200, 0, 0), -1);
        QTRY_VERIFY_WITH_TIMEOUT(Popups().isEmpty(), 1000);
    }
};

QTEST_MAIN(NoticePopupTest)
#include "notice_popup_test.moc"
