// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/notice/region_from_bitmap.h"

#include <algorithm>
#include <vector>

namespace qmb {

namespace {

// Bounds how many rectangles a single QRegion::setRects call receives.
constexpr std::size_t kRectanglesPerBatch = 2000;

struct ChannelRange {
    int low;
    int high;

    bool Contains(int value) const { return value >= low && value <= high; }
};

ChannelRange RangeFrom(int key, int tolerance)
{
    return {key, std::min(255, key + tolerance)};
}

class KeyTest {
public:
    KeyTest(QRgb key, QRgb tolerance)
        : red(RangeFrom(qRed(key), qRed(tolerance))),
          green(RangeFrom(qGreen(key), qGreen(tolerance))),
          blue(RangeFrom(qBlue(key), qBlue(tolerance)))
    {
    }

    bool IsOpaque(QRgb pixel) const
    {
        return !(red.Contains(qRed(pixel)) && green.Contains(qGreen(pixel)) && blue.Contains(qBlue(pixel)));
    }

private:
    ChannelRange red;
    ChannelRange green;
    ChannelRange blue;
};

// Collects rectangles and unites them into the region a batch at a time.
// The rectangles arrive row by row, left to right, never touching each
// other in a row, which is the order setRects demands.
class RegionBuilder {
public:
    void Add(const QRect& rectangle)
    {
        batch.push_back(rectangle);
        if (batch.size() == kRectanglesPerBatch) {
            Flush();
        }
    }

    QRegion Finish()
    {
        Flush();
        return region;
    }

private:
    void Flush()
    {
        if (batch.empty()) {
            return;
        }
        QRegion part;
        part.setRects(batch.data(), static_cast<int>(batch.size()));
        region = region.isEmpty() ? part : region.united(part);
        batch.clear();
    }

    std::vector<QRect> batch;
    QRegion region;
};

}  // namespace

QRegion RegionFromBitmap(const QImage& bitmap, QRgb keyColour, QRgb tolerance)
{
    if (bitmap.isNull()) {
        return {};
    }
    const QImage pixels = bitmap.convertToFormat(QImage::Format_RGB32);
    const KeyTest keyTest(keyColour, tolerance);
    RegionBuilder builder;
    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        int x = 0;
        while (x < width) {
            while (x < width && !keyTest.IsOpaque(row[x])) {
                ++x;
            }
            const int runStart = x;
            while (x < width && keyTest.IsOpaque(row[x])) {
                ++x;
            }
            if (x > runStart) {
                builder.Add(QRect(runStart, y, x - runStart, 1));
            }
        }
    }
    return builder.Finish();
}

}  // namespace qmb
