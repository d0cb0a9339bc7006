// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/group_frame.h"

#include <QApplication>
#include <QPainter>

namespace qmb {

namespace {

constexpr int kTitleIndent = 8;
constexpr int kTitlePadding = 3;

}  // namespace

GroupFrame::GroupFrame(const QString& title, QWidget* parent) : QGroupBox(title, parent)
{
    // The dialog's face at the desktop's size: a title stands above the
    // controls' smaller text.
    QFont titleFont = parent ? parent->font() : QApplication::font();
    titleFont.setPointSizeF(QApplication::font().pointSizeF());
    setFont(titleFont);
}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QRect frame = rect().adjusted(0, lineY, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    if (title().isEmpty()) {
        return;
    }
    // The title's own background breaks the top edge where it stands.
    const QRect titleArea(kTitleIndent, 0, metrics.horizontalAdvance(title()) + 2 * kTitlePadding, metrics.height());
    painter.fillRect(titleArea, palette().color(backgroundRole()));
    painter.setPen(kTitleColour);
    painter.drawText(titleArea, Qt::AlignCenter, title());
}

}  // namespace qmb
