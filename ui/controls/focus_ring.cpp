// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/focus_ring.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace qmb {

namespace {

const QColor kOnLight(0, 90, 200);
const QColor kOnDark(255, 200, 0);

double Linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour)
{
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) + 0.0722 * Linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b)
{
    const double first = Luminance(a);
    const double second = Luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

}  // namespace

QColor FocusRingColour(const QColor& beneath)
{
    return Contrast(kOnLight, beneath) >= Contrast(kOnDark, beneath) ? kOnLight : kOnDark;
}

QColor ColourBeneath(const QWidget& control, const QPoint& inParent)
{
    QWidget* parent = control.parentWidget();
    if (!parent) {
        return control.palette().color(QPalette::Window);
    }
    QImage pixel(1, 1, QImage::Format_ARGB32);
    pixel.fill(parent->palette().color(parent->backgroundRole()));
    parent->render(&pixel, QPoint(), QRegion(inParent.x(), inParent.y(), 1, 1), QWidget::DrawWindowBackground);
    return pixel.pixelColor(0, 0);
}

QColor ColourBeside(const QWidget& control)
{
    return ColourBeneath(control, control.geometry().topLeft() + QPoint(-1, control.height() / 2));
}

void DrawFocusRing(QPainter& painter, const QRectF& outer, qreal radius, const QColor& colour, qreal width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, width));
    painter.setBrush(Qt::NoBrush);
    const qreal half = width / 2;
    painter.drawRoundedRect(outer.adjusted(half, half, -half, -half), radius, radius);
    painter.restore();
}

}  // namespace qmb
