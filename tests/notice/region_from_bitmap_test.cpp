#include <QTest>

#include <cstdint>

#include "app/notice/region_from_bitmap.h"

namespace {

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kTolerance = qRgb(16, 16, 16);

// Exactly the pixels for which opaque(x, y) holds must be in the region.
template <typename Opaque>
void VerifyCoversExactly(const QRegion& region, QSize size, Opaque opaque)
{
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (region.contains(QPoint(x, y)) != opaque(x, y)) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) misjudged").arg(x).arg(y)));
            }
        }
    }
    QVERIFY(region.boundingRect().isEmpty() || QRect(QPoint(0, 0), size).contains(region.boundingRect()));
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

}  // namespace

class RegionFromBitmapTest : public QObject {
    Q_OBJECT

private slots:
    void nothingToCutGivesAnEmptyRegion_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::newRow("null image") << QImage();
        QImage black(30, 10, QImage::Format_RGB32);
        black.fill(kBlack);
        QTest::newRow("all key colour") << black;
        QImage dim(30, 10, QImage::Format_RGB32);
        dim.fill(qRgb(16, 16, 16));
        QTest::newRow("all within tolerance") << dim;
    }

    void nothingToCutGivesAnEmptyRegion()
    {
        QFETCH(QImage, image);
        QVERIFY(qmb::RegionFromBitmap(image, kBlack, kTolerance).isEmpty());
    }

    void toleranceBoundsAreInclusivePerChannel_data()
    {
        QTest::addColumn<QRgb>("key");
        QTest::addColumn<QRgb>("tolerance");
        QTest::addColumn<QRgb>("pixel");
        QTest::addColumn<bool>("opaque");
        QTest::newRow("at the upper bound") << kBlack << kTolerance << qRgb(16, 16, 16) << false;
        QTest::newRow("red above") << kBlack << kTolerance << qRgb(17, 0, 0) << true;
        QTest::newRow("green above") << kBlack << kTolerance << qRgb(0, 17, 0) << true;
        QTest::newRow("blue above") << kBlack << kTolerance << qRgb(16, 16, 17) << true;
        const QRgb key = qRgb(100, 50, 240);
        const QRgb tolerance = qRgb(10, 0, 30);
        QTest::newRow("at the key") << key << tolerance << key << false;
        QTest::newRow("below the key") << key << tolerance << qRgb(99, 50, 240) << true;
        QTest::newRow("upper bound capped at 255") << key << tolerance << qRgb(110, 50, 255) << false;
        QTest::newRow("zero tolerance") << key << tolerance << qRgb(100, 51, 240) << true;
        QTest::newRow("one past the tolerance") << key << tolerance << qRgb(111, 50, 240) << true;
    }

    void toleranceBoundsAreInclusivePerChannel()
    {
        QFETCH(QRgb, key);
        QFETCH(QRgb, tolerance);
        QFETCH(QRgb, pixel);
        QFETCH(bool, opaque);
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(key);
        image.setPixel(1, 1, pixel);
        const QRegion region = qmb::RegionFromBitmap(image, key, tolerance);
        QCOMPARE(region, opaque ? QRegion(1, 1, 1, 1) : QRegion());
    }

    void runsCoverExactlyTheOpaquePixels()
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
        const QRegion region = qmb::RegionFromBitmap(image, kBlack, kTolerance);
        VerifyCoversExactly(region, image.size(), [&](int x, int y) { return rows[y][x] == '#'; });
    }

    // Alternate pixels give width / 2 runs a row, so these straddle the
    // size of one batch of rectangles.
    void manyRunsAreAllKept_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("1980 runs") << 40 << 99;
        QTest::newRow("2000 runs") << 40 << 100;
        QTest::newRow("2020 runs") << 40 << 101;
        QTest::newRow("9000 runs") << 60 << 300;
    }

    void manyRunsAreAllKept()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QImage image(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.setPixel(x, y, (x + y) % 2 == 0 ? qRgb(255, 255, 255) : kBlack);
            }
        }
        const QRegion region = qmb::RegionFromBitmap(image, kBlack, kTolerance);
        VerifyCoversExactly(region, image.size(), [](int x, int y) { return (x + y) % 2 == 0; });
    }

    void scatteredPixelsAcrossSeveralBatches()
    {
        QImage image(64, 200, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                image.setPixel(x, y, Scattered(x, y) ? qRgb(0, 0, 90) : qRgb(3, 9, 12));
            }
        }
        const QRegion region = qmb::RegionFromBitmap(image, kBlack, kTolerance);
        QVERIFY(region.rectCount() > 0);
        VerifyCoversExactly(region, image.size(), Scattered);
    }
};

QTEST_GUILESS_MAIN(RegionFromBitmapTest)
#include "region_from_bitmap_test.moc"
