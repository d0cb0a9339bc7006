// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>

class QPainter;
class QPoint;
class QRectF;
class QWidget;

namespace qmb {

// The colour keyboard focus is drawn in over `beneath`: a strong
// blue on a light surface, a warm yellow on a dark skin, whichever stands
// out more, so the ring is seen at 3:1 or better on either.
QColor FocusRingColour(const QColor& beneath);

// What the parent of `control` paints at `inParent` (its own coordinates),
// without any of its controls: the surface a control's ring is seen on.
// Not from a paint event: the parent is painted again to find it.
QColor ColourBeneath(const QWidget& control, const QPoint& inParent);

// What the parent paints just left of `control`, at its middle: for a
// control over a skin that beneath it shows a picture of the control.
QColor ColourBeside(const QWidget& control);

// A solid ring `width` pixels wide just inside `outer`, around what a
// control draws within it.
void DrawFocusRing(QPainter& painter, const QRectF& outer, qreal radius, const QColor& colour, qreal width = 2);

}  // namespace qmb
