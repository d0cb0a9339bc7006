// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/skin_slider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace qmb {

namespace {

// A held press in the channel pages again after this long, then this often,
// as Qt's own sliders do.
constexpr int kPageRepeatDelay = 500;
constexpr int kPageRepeatInterval = 50;

bool IsMovementKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

}  // namespace

SkinSlider::SkinSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setAutoFillBackground(false);
    setPageStep(1);
    setCursor(Qt::PointingHandCursor);
    connect(&pageRepeat_, &QTimer::timeout, this, [this] {
        pageRepeat_.setInterval(kPageRepeatInterval);
        PageTowardsPointer();
    });
}

int SkinSlider::ThumbCentre(int value) const
{
    const int span = std::max(1, maximum() - minimum());
    const int travel = width() - kThumbWidth;
    const int clamped = std::clamp(value, minimum(), maximum());
    return kThumbWidth / 2 + static_cast<int>(std::lround(static_cast<double>(clamped - minimum()) * travel / span));
}

int SkinSlider::ValueAt(int x) const
{
    const int travel = std::max(1, width() - kThumbWidth);
    const double step = static_cast<double>(x - kThumbWidth / 2) * (maximum() - minimum()) / travel;
    return std::clamp(minimum() + static_cast<int>(std::lround(step)), minimum(), maximum());
}

int SkinSlider::SideOfThumb(int x) const
{
    const int centre = ThumbCentre(sliderPosition());
    if (x < centre - kThumbWidth / 2) {
        return -1;
    }
    return x > centre + kThumbWidth / 2 ? 1 : 0;
}

void SkinSlider::TakeSnapshot()
{
    QWidget* skin = parentWidget();
    const qreal ratio = devicePixelRatioF();
    snapshot_ = QPixmap(size() * ratio);
    snapshot_.setDevicePixelRatio(ratio);
    snapshot_.fill(Qt::transparent);
    if (skin) {
        // Only the parent's own painting, not its children: this slider
        // would otherwise paint itself into its own background.
        skin->render(&snapshot_, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    }
}

void SkinSlider::paintEvent(QPaintEvent*)
{
    if (snapshot_.isNull() || snapshot_.devicePixelRatio() != devicePixelRatioF()) {
        TakeSnapshot();
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawPixmap(0, 0, snapshot_);

    const int centre = ThumbCentre(sliderPosition());
    const QRectF thumb(centre - kThumbWidth / 2.0 + 1.5, 1.5, kThumbWidth - 3.0, height() - 3.0);
    QLinearGradient face(thumb.topLeft(), thumb.bottomLeft());
    const bool active = isEnabled();
    face.setColorAt(0, active ? QColor(250, 250, 252) : QColor(170, 170, 175));
    face.setColorAt(1, active ? QColor(200, 204, 214) : QColor(140, 140, 145));
    painter.setPen(QPen(QColor(40, 42, 48), 1));
    painter.setBrush(face);
    painter.drawRoundedRect(thumb, 3, 3);
    painter.setPen(QPen(QColor(120, 124, 134), 1));
    painter.drawLine(QPointF(centre, thumb.top() + 3), QPointF(centre, thumb.bottom() - 3));
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(thumb.adjusted(-1, -1, 1, 1), 3, 3);
    }
}

void SkinSlider::MoveBy(int value)
{
    if (value != sliderPosition()) {
        setSliderPosition(value);
        emit scrolled();
    }
}

void SkinSlider::PageTowardsPointer()
{
    if (SideOfThumb(pagePointerX_) == pageDirection_) {
        MoveBy(std::clamp(sliderPosition() + pageDirection_ * pageStep(), minimum(), maximum()));
    }
}

void SkinSlider::EndTrack()
{
    setSliderDown(false);
    pageDirection_ = 0;
    pageRepeat_.stop();
    emit scrolled();
}

void SkinSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int x = static_cast<int>(event->position().x());
    pageDirection_ = SideOfThumb(x);
    if (pageDirection_ == 0) {
        setSliderDown(true);
        MoveBy(ValueAt(x));
    } else {
        pagePointerX_ = x;
        PageTowardsPointer();
        pageRepeat_.start(kPageRepeatDelay);
    }
    event->accept();
}

void SkinSlider::mouseMoveEvent(QMouseEvent* event)
{
    const int x = static_cast<int>(event->position().x());
    if (isSliderDown()) {
        MoveBy(ValueAt(x));
    } else if (pageDirection_ != 0) {
        pagePointerX_ = x;
    } else {
        event->ignore();
        return;
    }
    event->accept();
}

void SkinSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || (!isSliderDown() && pageDirection_ == 0)) {
        event->ignore();
        return;
    }
    EndTrack();
    event->accept();
}

void SkinSlider::keyPressEvent(QKeyEvent* event)
{
    const int before = sliderPosition();
    QSlider::keyPressEvent(event);
    if (sliderPosition() != before) {
        emit scrolled();
    }
}

void SkinSlider::keyReleaseEvent(QKeyEvent* event)
{
    // A held key repeats its presses; only letting go ends the track.
    if (IsMovementKey(event->key()) && !event->isAutoRepeat()) {
        emit scrolled();
        event->accept();
        return;
    }
    QSlider::keyReleaseEvent(event);
}

void SkinSlider::wheelEvent(QWheelEvent* event)
{
    const int before = sliderPosition();
    QSlider::wheelEvent(event);
    if (sliderPosition() != before) {
        emit scrolled();
    }
}

}  // namespace qmb
