#include <QFontMetrics>
#include <QTest>

#include "app/notice/notice_text.h"

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);

// The smallest rectangle holding every pixel that is not black.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kBlack) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

QString Repeated(const QString& piece, int times)
{
    QString text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

}  // namespace

class NoticeTextTest : public QObject {
    Q_OBJECT

private slots:
    void lineKeepsAtMostSixtyCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("line");
        const QString sixty = Repeated(QStringLiteral("0123456789"), 6);
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("short") << QStringLiteral("Match Ok!") << QStringLiteral("Match Ok!");
        QTest::newRow("exactly sixty") << sixty << sixty;
        QTest::newRow("sixty-one") << sixty + QLatin1Char('x') << sixty;
        QTest::newRow("Korean") << Repeated(QStringLiteral("가나다"), 30) << Repeated(QStringLiteral("가나다"), 20);
        const QString emoji = QStringLiteral("\U0001F600");
        QTest::newRow("surrogate pairs are one character")
            << Repeated(QStringLiteral("a"), 59) + emoji + emoji << Repeated(QStringLiteral("a"), 59) + emoji;
        const QString accented = QStringLiteral("e\u0301");
        QTest::newRow("combining marks stay with their letter") << Repeated(accented, 61) << Repeated(accented, 60);
    }

    void lineKeepsAtMostSixtyCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QString, line);
        QCOMPARE(qmb::NoticeLine(text), line);
    }

    void lettersAreDemiBoldInASixtyPixelCell()
    {
        const QFont font = qmb::NoticeFont();
        QCOMPARE(font.weight(), QFont::DemiBold);
        const QFontMetrics metrics(font);
        QVERIFY2(qAbs(metrics.height() - 60) <= 2, qPrintable(QStringLiteral("cell %1").arg(metrics.height())));
        QVERIFY2(qAbs(metrics.averageCharWidth() - 26) <= 2,
                 qPrintable(QStringLiteral("average width %1").arg(metrics.averageCharWidth())));
    }

    void emptyLineLeavesTheSurfaceBlack()
    {
        const QImage image = qmb::RenderNoticeText(QString(), QColor(200, 0, 0));
        QCOMPARE(image.size(), qmb::kNoticeSize);
        QVERIFY(InkBounds(image).isEmpty());
    }

    void lettersAreCentredAtTheTopInTheirColour_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("failure") << QStringLiteral("Not Match!") << QColor(200, 0, 0);
        QTest::newRow("sign-in") << QStringLiteral("Match Ok!") << QColor(50, 112, 205);
        QTest::newRow("longest English") << QStringLiteral("Failed of config read!") << QColor(200, 0, 0);
    }

    void lettersAreCentredAtTheTopInTheirColour()
    {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        const QImage image = qmb::RenderNoticeText(text, colour);
        const QRect ink = InkBounds(image);
        QVERIFY(!ink.isEmpty());
        const int leftMargin = ink.left();
        const int rightMargin = image.width() - 1 - ink.right();
        QVERIFY2(qAbs(leftMargin - rightMargin) <= 6, qPrintable(QStringLiteral("margins %1 and %2")
                                                                      .arg(leftMargin)
                                                                      .arg(rightMargin)));
        QVERIFY2(ink.top() < 20, qPrintable(QStringLiteral("text starts at row %1").arg(ink.top())));
        QVERIFY(ink.bottom() < image.height() - 1);
        QVERIFY(ink.height() > 30);
        int solid = 0;
        for (int y = ink.top(); y <= ink.bottom(); ++y) {
            for (int x = ink.left(); x <= ink.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                solid += pixel == colour.rgb() ? 1 : 0;
                QVERIFY(qRed(pixel) <= colour.red() && qGreen(pixel) <= colour.green() &&
                        qBlue(pixel) <= colour.blue());
            }
        }
        QVERIFY(solid > 100);
    }

    void lineWiderThanTheSurfaceIsClippedOnBothSides()
    {
        const QImage image = qmb::RenderNoticeText(Repeated(QStringLiteral("W"), 60), QColor(200, 0, 0));
        const QRect ink = InkBounds(image);
        QCOMPARE(ink.left(), 0);
        QCOMPARE(ink.right(), image.width() - 1);
    }
};

QTEST_MAIN(NoticeTextTest)
#include "notice_text_test.moc"
