// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "tests/support/qt_printers.h"
#include "ui/notice/region_from_bitmap.h"

namespace qmb {
namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kTolerance = qRgb(16, 16, 16);

// Exactly the pixels for which opaque(x, y) holds must be in the region.
template <typename Opaque>
testing::AssertionResult CoversExactly(const QRegion& region, QSize size, Opaque opaque)
{
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (region.contains(QPoint(x, y)) != opaque(x, y)) {
                return testing::AssertionFailure() << "pixel (" << x << ", " << y << ") misjudged";
            }
        }
    }
    if (!region.boundingRect().isEmpty() && !QRect(QPoint(0, 0), size).contains(region.boundingRect())) {
        return testing::AssertionFailure() << "the region reaches outside the image";
    }
    return testing::AssertionSuccess();
}

// A fixed pseudo-random pattern, so that runs of every length occur.
bool Scattered(int x, int y)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^ static_cast<std::uint32_t>(y) * 19349663u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 1u) != 0;
}

struct BlankCase {
    const char* name;
    QImage image;
};

// A row goes by its name, in the test's name and in failure reports.
void PrintTo(const BlankCase& c, std::ostream* os)
{
    *os << c.name;
}

std::vector<BlankCase> BlankCases()
{
    QImage black(30, 10, QImage::Format_RGB32);
    black.fill(kBlack);
    QImage dim(30, 10, QImage::Format_RGB32);
    dim.fill(qRgb(16, 16, 16));
    return {
        {"NullImage", QImage()},
        {"AllKeyColour", black},
        {"AllWithinTolerance", dim},
    };
}

class NothingToCut : public testing::TestWithParam<BlankCase> {};

TEST_P(NothingToCut, GivesAnEmptyRegion)
{
    EXPECT_TRUE(RegionFromBitmap(GetParam().image, kBlack, kTolerance).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Table, NothingToCut, testing::ValuesIn(BlankCases()), testing::PrintToStringParamName());

struct ToleranceCase {
    const char* name;
    QRgb key;
    QRgb tolerance;
    QRgb pixel;
    bool opaque;
};

void PrintTo(const ToleranceCase& c, std::ostream* os)
{
    *os << c.name;
}

constexpr QRgb kKey = qRgb(100, 50, 240);
constexpr QRgb kUnevenTolerance = qRgb(10, 0, 30);

class ToleranceBounds : public testing::TestWithParam<ToleranceCase> {};

TEST_P(ToleranceBounds, AreInclusivePerChannel)
{
    const ToleranceCase& c = GetParam();
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(c.key);
    image.setPixel(1, 1, c.pixel);
    const QRegion region = RegionFromBitmap(image, c.key, c.tolerance);
    EXPECT_EQ(region, c.opaque ? QRegion(1, 1, 1, 1) : QRegion());
}

INSTANTIATE_TEST_SUITE_P(
    Table, ToleranceBounds,
    testing::Values(ToleranceCase{"AtTheUpperBound", kBlack, kTolerance, qRgb(16, 16, 16), false},
                    ToleranceCase{"RedAbove", kBlack, kTolerance, qRgb(17, 0, 0), true},
                    ToleranceCase{"GreenAbove", kBlack, kTolerance, qRgb(0, 17, 0), true},
                    ToleranceCase{"BlueAbove", kBlack, kTolerance, qRgb(16, 16, 17), true},
                    ToleranceCase{"AtTheKey", kKey, kUnevenTolerance, kKey, false},
                    ToleranceCase{"BelowTheKey", kKey, kUnevenTolerance, qRgb(99, 50, 240), true},
                    ToleranceCase{"UpperBoundCappedAt255", kKey, kUnevenTolerance, qRgb(110, 50, 255), false},
                    ToleranceCase{"ZeroTolerance", kKey, kUnevenTolerance, qRgb(100, 51, 240), true},
                    ToleranceCase{"OnePastTheTolerance", kKey, kUnevenTolerance, qRgb(111, 50, 240), true}),
    testing::PrintToStringParamName());

TEST(RegionFromBitmap, RunsCoverExactlyTheOpaquePixels)
{
    const char* rows[] = {
        "..##.#",
        "######",
        "#....#",
        "......",
        ".#.#.#",
    };
    QImage image(6, 5, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, rows[y][x] == '#' ? qRgb(200, 0, 0) : kBlack);
        }
    }
    const QRegion region = RegionFromBitmap(image, kBlack, kTolerance);
    EXPECT_TRUE(CoversExactly(region, image.size(), [&](int x, int y) { return rows[y][x] == '#'; }));
}

struct RunsCase {
    const char* name;
    int width;
    int height;
};

void PrintTo(const RunsCase& c, std::ostream* os)
{
    *os << c.name;
}

class ManyRuns : public testing::TestWithParam<RunsCase> {};

TEST_P(ManyRuns, AreAllKept)
{
    const RunsCase& c = GetParam();
    QImage image(c.width, c.height, QImage::Format_RGB32);
    for (int y = 0; y < c.height; ++y) {
        for (int x = 0; x < c.width; ++x) {
            image.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(255, 255, 255) : kBlack);
        }
    }
    const QRegion region = RegionFromBitmap(image, kBlack, kTolerance);
    EXPECT_TRUE(CoversExactly(region, image.size(), [](int x, int y) { return (x + y) % 2 == 0; }));
}

// Alternate pixels give width / 2 runs a row, so these straddle the size of
// one batch of rectangles.
INSTANTIATE_TEST_SUITE_P(Table, ManyRuns,
                         testing::Values(RunsCase{"Runs1980", 40, 99}, RunsCase{"Runs2000", 40, 100},
                                         RunsCase{"Runs2020", 40, 101}, RunsCase{"Runs9000", 60, 300}),
                         testing::PrintToStringParamName());

TEST(RegionFromBitmap, ScatteredPixelsAcrossSeveralBatches)
{
    QImage image(64, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, Scattered(x, y) ? qRgb(0, 0, 90) : qRgb(3, 9, 12));
        }
    }
    const QRegion region = RegionFromBitmap(image, kBlack, kTolerance);
    ASSERT_GT(region.rectCount(), 0);
    EXPECT_TRUE(CoversExactly(region, image.size(), Scattered));
}

}  // namespace
}  // namespace qmb
