// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QFontMetrics>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/support/qt_printers.h"
#include "ui/notice/notice_text.h"

namespace qmb {
namespace {

constexpr QRgb kBackground = qRgb(0, 0, 0);

// The smallest rectangle holding every pixel that is not black.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kBackground) {
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

struct LineCase {
    const char* name;
    QString text;
    QString line;
};

// A row goes by its name, in the test's name and in failure reports.
void PrintTo(const LineCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<LineCase> LineCases()
{
    const QString sixty = Repeated(QStringLiteral("0123456789"), 6);
    const QString emoji = QStringLiteral("\U0001F600");
    const QString accented = QStringLiteral("e\u0301");
    return {
        {"Empty", QString(), QString()},
        {"Short", QStringLiteral("Match Ok!"), QStringLiteral("Match Ok!")},
        {"ExactlySixty", sixty, sixty},
        {"SixtyOne", sixty + QLatin1Char('x'), sixty},
        {"Korean", Repeated(QStringLiteral("가나다"), 30), Repeated(QStringLiteral("가나다"), 20)},
        {"SurrogatePairsAreOneCharacter", Repeated(QStringLiteral("a"), 59) + emoji + emoji,
         Repeated(QStringLiteral("a"), 59) + emoji},
        {"CombiningMarksStayWithTheirLetter", Repeated(accented, 61), Repeated(accented, 60)},
    };
}

class NoticeTextLine : public testing::TestWithParam<LineCase> {};

TEST_P(NoticeTextLine, KeepsAtMostSixtyCharacters)
{
    EXPECT_EQ(NoticeLine(GetParam().text), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(Table, NoticeTextLine, testing::ValuesIn(LineCases()), testing::PrintToStringParamName());

TEST(NoticeText, LettersAreDemiBoldInASixtyPixelCell)
{
    const QFont font = NoticeFont();
    EXPECT_EQ(font.weight(), QFont::DemiBold);
    const QFontMetrics metrics(font);
    EXPECT_LE(qAbs(metrics.height() - 60), 2) << "cell " << metrics.height();
    EXPECT_LE(qAbs(metrics.averageCharWidth() - 26), 2) << "average width " << metrics.averageCharWidth();
}

TEST(NoticeText, EmptyLineLeavesTheSurfaceBlack)
{
    const QImage image = RenderNoticeText(QString(), QColor(200, 0, 0));
    EXPECT_EQ(image.size(), kNoticeSize);
    EXPECT_TRUE(InkBounds(image).isEmpty());
}

struct LettersCase {
    const char* name;
    QString text;
    QColor colour;
};

void PrintTo(const LettersCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<LettersCase> LettersCases()
{
    return {
        {"Failure", QStringLiteral("Not Match!"), QColor(200, 0, 0)},
        {"SignIn", QStringLiteral("Match Ok!"), QColor(50, 112, 205)},
        {"LongestEnglish", QStringLiteral("Failed of config read!"), QColor(200, 0, 0)},
    };
}

class NoticeTextLetters : public testing::TestWithParam<LettersCase> {};

TEST_P(NoticeTextLetters, AreCentredAtTheTopInTheirColour)
{
    const QColor colour = GetParam().colour;
    const QImage image = RenderNoticeText(GetParam().text, colour);
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    const int leftMargin = ink.left();
    const int rightMargin = image.width() - 1 - ink.right();
    EXPECT_LE(qAbs(leftMargin - rightMargin), 6) << "margins " << leftMargin << " and " << rightMargin;
    EXPECT_LT(ink.top(), 20) << "text starts at row " << ink.top();
    EXPECT_LT(ink.bottom(), image.height() - 1);
    EXPECT_GT(ink.height(), 30);
    int solid = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            solid += pixel == colour.rgb() ? 1 : 0;
            ASSERT_TRUE(qRed(pixel) <= colour.red() && qGreen(pixel) <= colour.green() &&
                        qBlue(pixel) <= colour.blue())
                << "pixel (" << x << ", " << y << ") is brighter than the letters' colour";
        }
    }
    EXPECT_GT(solid, 100);
}

INSTANTIATE_TEST_SUITE_P(Table, NoticeTextLetters, testing::ValuesIn(LettersCases()),
                         testing::PrintToStringParamName());

TEST(NoticeText, LineWiderThanTheSurfaceIsClippedOnBothSides)
{
    const QImage image = RenderNoticeText(Repeated(QStringLiteral("W"), 60), QColor(200, 0, 0));
    const QRect ink = InkBounds(image);
    EXPECT_EQ(ink.left(), 0);
    EXPECT_EQ(ink.right(), image.width() - 1);
}

}  // namespace
}  // namespace qmb
