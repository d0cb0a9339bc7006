// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QRegion>
#include <QRgb>

namespace qmb {

// The region covered by the pixels of bitmap that stand out from keyColour.
// A pixel is left out when each of its red, green and blue channels lies
// between the key's value and that value plus the tolerance's (capped at
// 255); alpha is ignored. Each maximal run of kept pixels in a row becomes
// a one-pixel-high rectangle. A null image gives an empty region.
QRegion RegionFromBitmap(const QImage& bitmap, QRgb keyColour, QRgb tolerance);

}  // namespace qmb
