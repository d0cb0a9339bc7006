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
    // Sizes are scaled on their own, not as the distance between two
    // scaled edges, so controls of one size in units are one size on the
    // screen.
    return {ScaleX(units.x()), ScaleY(units.y()), ScaleX(units.width()), ScaleY(units.height())};
}

QSize UnitsToPixels(const QSize& units)
{
    return {ScaleX(units.width()), ScaleY(units.height())};
}

}  // namespace qmb
