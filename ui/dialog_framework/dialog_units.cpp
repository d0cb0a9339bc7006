// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialog_framework/dialog_units.h"

#include <cmath>

namespace qmb {

namespace {

int ScaleX(int units)
{
    return static_cast<int>(std::lround(static_cast<double>(units) * kControlBoxPixels.width() / kControlBoxUnits.width()));
}

int ScaleY(int units)
{
    return static_cast<int>(
        std::lround(static_cast<double>(units) * kControlBoxPixels.height() / kControlBoxUnits.height()));
}

}  // namespace

QRect UnitsToPixels(const QRect& units)
{
    // Edges, not sizes, are scaled, so neighbouring controls never overlap
    // or part by a rounding pixel.
    const int left = ScaleX(units.x());
    const int top = ScaleY(units.y());
    return {left, top, ScaleX(units.x() + units.width()) - left, ScaleY(units.y() + units.height()) - top};
}

QSize UnitsToPixels(const QSize& units)
{
    return {ScaleX(units.width()), ScaleY(units.height())};
}

}  // namespace qmb
