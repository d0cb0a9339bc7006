// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/skin_check_box.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "ui/controls/focus_ring.h"

namespace qmb {

namespace {

// The focus ring's width, kept free on every side of the box.
constexpr qreal kRingRoom = 1;
constexpr qreal kDisabledOpacity = 0.4;
const QColor kBoxEdge(90, 90, 110);

}  // namespace

SkinCheckBox::SkinCheckBox(QWidget* parent) : QCheckBox(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void SkinCheckBox::showEvent(QShowEvent* event)
{
    skinBeside_ = ColourBeside(*this);
    QCheckBox::showEvent(event);
}

bool SkinCheckBox::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

void SkinCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The skin's own picture of a box is covered: this one is drawn whole
    // at any scale, and its ring lies on the plain skin.
    painter.fillRect(rect(), skinBeside_);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height()) - 2 * kRingRoom;
    const QRectF box(QPointF((width() - side) / 2, (height() - side) / 2), QSizeF(side, side));
    if (!isEnabled()) {
        painter.setOpacity(kDisabledOpacity);
    }
    painter.setPen(QPen(kBoxEdge, 1));
    painter.setBrush(kBox);
    painter.drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
    if (isChecked()) {
        QPainterPath tick;
        tick.moveTo(box.left() + side * 0.22, box.top() + side * 0.52);
        tick.lineTo(box.left() + side * 0.42, box.top() + side * 0.74);
        tick.lineTo(box.left() + side * 0.80, box.top() + side * 0.26);
        painter.setPen(QPen(kMark, std::max<qreal>(1.5, side / 6), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(tick);
    }
    painter.setOpacity(1);
    if (hasFocus()) {
        DrawFocusRing(painter, box.adjusted(-kRingRoom, -kRingRoom, kRingRoom, kRingRoom), 0,
                      FocusRingColour(skinBeside_), kRingRoom);
    }
}

}  // namespace qmb
