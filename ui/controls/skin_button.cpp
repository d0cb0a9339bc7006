// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/skin_button.h"

#include <QEnterEvent>
#include <QFontInfo>
#include <QMouseEvent>
#include <QPainter>

#include "ui/controls/focus_ring.h"

namespace qmb {

namespace {

// The face fills the button; focus is drawn over its frame, inward.
constexpr int kFocusWidth = 2;
// Clear space between a caption's letters and the frame.
constexpr int kCaptionPadding = 2;
constexpr int kSmallestCaptionPixels = 7;

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

void SkinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), background());

    const QRectF face = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(isEnabled() ? kFace : background());
    painter.drawRoundedRect(face, kCornerSize / 2.0, kCornerSize / 2.0);
    // Around the face, clear of the caption.
    if (hasFocus()) {
        DrawFocusRing(painter, rect(), kCornerSize / 2.0, FocusRingColour(background()), kFocusWidth);
    }
    if (text().isEmpty()) {
        return;
    }
    // Inside the frame's line.
    const QRectF textArea = QRectF(rect()).adjusted(1, 1, -1, -1);
    const QFont caption = CaptionFont(textArea.size());
    painter.setFont(caption);
    // The letters themselves, not the font's line, are centred: a line is
    // taller than the faces are.
    const QRectF ink = QFontMetricsF(caption).tightBoundingRect(text());
    const QPointF baseline = textArea.center() - ink.center();
    if (isEnabled()) {
        painter.setPen(hovered_ ? kHoverCaption : kCaption);
        painter.drawText(baseline, text());
        return;
    }
    // Embossed, as disabled text is drawn: a light copy one pixel down and
    // right, the shadow over it.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(baseline + QPointF(1, 1), text());
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(baseline, text());
}

QFont SkinButton::CaptionFont(const QSizeF& space) const
{
    QFont caption = font();
    caption.setBold(true);
    caption.setUnderline(false);
    caption.setPixelSize(QFontInfo(caption).pixelSize());
    // The dialog's size, unless the caption would then touch the frame: a
    // word is never cut, so a long one is set a pixel smaller.
    const QSizeF room = space - QSizeF(2 * kCaptionPadding, 2 * kCaptionPadding);
    while (caption.pixelSize() > kSmallestCaptionPixels) {
        const QRectF ink = QFontMetricsF(caption).tightBoundingRect(text());
        if (ink.width() <= room.width() && ink.height() <= room.height()) {
            break;
        }
        caption.setPixelSize(caption.pixelSize() - 1);
    }
    return caption;
}

void SkinButton::showEvent(QShowEvent* event)
{
    if (!background_) {
        // Only the dialog's own painting beneath the centre, not its
        // controls: this button would otherwise sample itself.
        background_ = ColourBeneath(*this, geometry().center());
    }
    QPushButton::showEvent(event);
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
