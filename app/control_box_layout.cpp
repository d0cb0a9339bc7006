#include "app/control_box_layout.h"

#include <cmath>

namespace qmb {

namespace {

int Scale(int units, int unitSpan, int pixelSpan)
{
    return static_cast<int>(std::lround(static_cast<double>(units) * pixelSpan / unitSpan));
}

}  // namespace

QRect UnitsToPixels(const QRect& units)
{
    const int left = Scale(units.x(), kControlBoxUnits.width(), kControlBoxPixels.width());
    const int top = Scale(units.y(), kControlBoxUnits.height(), kControlBoxPixels.height());
    const int right = Scale(units.x() + units.width(), kControlBoxUnits.width(), kControlBoxPixels.width());
    const int bottom = Scale(units.y() + units.height(), kControlBoxUnits.height(), kControlBoxPixels.height());
    return {left, top, right - left, bottom - top};
}

}  // namespace qmb
