// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/skin_bitmap_button.h"

#include <QPainter>

#include "ui/controls/focus_ring.h"
#include "ui/controls/skin_library.h"

namespace qmb {

namespace {

// How much of a disabled face is veiled: dimmed, its caption still
// readable.
constexpr qreal kDisabledVeil = 0.6;

}  // namespace

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
    // The skin beneath shows the same face, so a disabled one is dimmed by
    // veiling it in the skin's colour rather than by letting the skin
    // through.
    if (!isEnabled() && !keepsFace_) {
        QColor veil = skinBeside_;
        veil.setAlphaF(kDisabledVeil);
        painter.fillRect(rect(), veil);
    }
    if (hasFocus()) {
        DrawFocusRing(painter, rect(), 2, FocusRingColour(skinBeside_), 1);
    }
}

void SkinBitmapButton::showEvent(QShowEvent* event)
{
    skinBeside_ = ColourBeside(*this);
    QAbstractButton::showEvent(event);
}

}  // namespace qmb
