// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/skin_button.h"

#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace qmb {

namespace {

// The frame the system draws around a button's face.
constexpr int kEdge = 2;

}  // namespace

SkinButton::SkinButton(QWidget* parent) : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(QStringLiteral("Click Here!"));
}

void SkinButton::SetTooltip(const QString& text, const QColor& background, const QColor& textColour)
{
    setToolTip(text);
    // A tooltip takes the style sheet of the widget it is shown for.
    setStyleSheet(text.isEmpty() ? QString()
                                 : QStringLiteral("QToolTip { color: %1; background-color: %2; border: 1px solid %2; }")
                                       .arg(textColour.name(), background.name()));
}

QColor SkinButton::background() const
{
    return background_.value_or(palette().color(QPalette::Window));
}

void SkinButton::SampleBackground()
{
    QWidget* dialog = parentWidget();
    if (!dialog) {
        return;
    }
    // Only the dialog's own painting beneath the centre, not its controls:
    // this button would otherwise sample itself.
    QImage pixel(1, 1, QImage::Format_ARGB32);
    pixel.fill(dialog->palette().color(dialog->backgroundRole()));
    const QPoint centre = geometry().center();
    dialog->render(&pixel, QPoint(), QRegion(centre.x(), centre.y(), 1, 1), QWidget::DrawWindowBackground);
    background_ = pixel.pixelColor(0, 0);
}

void SkinButton::paintEvent(QPaintEvent*)
{
    if (!background_) {
        SampleBackground();
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), background());

    const QRectF face = QRectF(rect()).adjusted(kEdge + 0.5, kEdge + 0.5, -kEdge - 0.5, -kEdge - 0.5);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(isEnabled() ? kFace : background());
    painter.drawRoundedRect(face, kCornerSize / 2.0, kCornerSize / 2.0);

    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(2, 2, -2, -2), kCornerSize / 2.0 - 2, kCornerSize / 2.0 - 2);
    }
    if (text().isEmpty()) {
        return;
    }
    QFont caption = font();
    caption.setBold(true);
    caption.setUnderline(false);
    painter.setFont(caption);
    const QRectF textArea = QRectF(rect()).adjusted(kEdge, kEdge, -kEdge, -kEdge);
    if (isEnabled()) {
        painter.setPen(hovered_ ? kHoverCaption : kCaption);
        painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, text());
        return;
    }
    // Embossed, as disabled text is drawn: a light copy one pixel down and
    // right, the shadow over it.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(textArea.translated(1, 1), Qt::AlignCenter | Qt::TextSingleLine, text());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextSingleLine, text());
}

void SkinButton::SetHovered(bool hovered)
{
    if (hovered_ != hovered) {
        hovered_ = hovered;
        update();
    }
}

void SkinButton::enterEvent(QEnterEvent* event)
{
    if (!held_ && isEnabled()) {
        SetHovered(true);
    }
    QPushButton::enterEvent(event);
}

void SkinButton::leaveEvent(QEvent* event)
{
    // A press dragged off keeps the look until it is let go.
    if (!held_) {
        SetHovered(false);
    }
    QPushButton::leaveEvent(event);
}

void SkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        held_ = true;
    }
    QPushButton::mousePressEvent(event);
}

void SkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        held_ = false;
        if (!rect().contains(event->position().toPoint())) {
            SetHovered(false);
        }
    }
    QPushButton::mouseReleaseEvent(event);
}

bool SkinButton::event(QEvent* event)
{
    // A disabled button offers no tip.
    if (event->type() == QEvent::ToolTip && !isEnabled()) {
        event->ignore();
        return true;
    }
    return QPushButton::event(event);
}

void SkinButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        setCursor(isEnabled() ? Qt::PointingHandCursor : Qt::ArrowCursor);
        if (!isEnabled()) {
            SetHovered(false);
        }
    }
    QPushButton::changeEvent(event);
}

}  // namespace qmb
