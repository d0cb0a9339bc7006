// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/skin_bitmap_button.h"

#include <QPainter>

#include "ui/controls/skin_library.h"

namespace qmb {

SkinBitmapButton::SkinBitmapButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void SkinBitmapButton::LoadBitmaps(int normalSkin, int pressedSkin)
{
    normalSkin_ = normalSkin;
    pressedSkin_ = pressedSkin;
    update();
}

void SkinBitmapButton::paintEvent(QPaintEvent*)
{
    const int skin = isDown() ? pressedSkin_ : normalSkin_;
    if (skin == 0) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, RenderSkin(skin, size(), devicePixelRatioF()));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

}  // namespace qmb
