#include "controls/skin_slider.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace qmb {

SkinSlider::SkinSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setAutoFillBackground(false);
    setPageStep(1);
    setCursor(Qt::PointingHandCursor);
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

void SkinSlider::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setSliderDown(true);
    MoveBy(ValueAt(static_cast<int>(event->position().x())));
    event->accept();
}

void SkinSlider::mouseMoveEvent(QMouseEvent* event)
{
    if (!isSliderDown()) {
        event->ignore();
        return;
    }
    MoveBy(ValueAt(static_cast<int>(event->position().x())));
    event->accept();
}

void SkinSlider::mouseReleaseEvent(QMouseEvent* event)
{
    if (!isSliderDown() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    setSliderDown(false);
    emit scrolled();
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

void SkinSlider::wheelEvent(QWheelEvent* event)
{
    const int before = sliderPosition();
    QSlider::wheelEvent(event);
    if (sliderPosition() != before) {
        emit scrolled();
    }
}

}  // namespace qmb
