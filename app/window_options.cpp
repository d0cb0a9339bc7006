// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/window_options.h"

#include <QWidget>

namespace qmb {

void SetTopmost(QWidget* window, bool topmost)
{
    const bool visible = window->isVisible();
    const QPoint position = window->pos();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    // Changing a window flag hides the window; bring it back where it was.
    if (visible) {
        window->move(position);
        window->show();
    }
}

}  // namespace qmb
