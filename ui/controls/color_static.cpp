// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/color_static.h"

namespace qmb {

ColorStatic::ColorStatic(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
}

void ColorStatic::SetLabelColor(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
    update();
}

QColor ColorStatic::labelColor() const
{
    return palette().color(QPalette::WindowText);
}

}  // namespace qmb
