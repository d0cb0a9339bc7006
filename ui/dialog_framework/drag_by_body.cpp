// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialog_framework/drag_by_body.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace qmb {

DragByBody::DragByBody(QWidget& window) : QObject(&window), window_(window)
{
    window.installEventFilter(this);
}

void DragByBody::Install(QWidget& window)
{
    new DragByBody(window);
}

bool DragByBody::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::LeftButton) {
            return false;
        }
        // The window manager moves it where it can: on Wayland nothing else
        // may place a window.
        if (window_.windowHandle() && window_.windowHandle()->startSystemMove()) {
            return true;
        }
        grabbedAt_ = press->globalPosition().toPoint() - window_.frameGeometry().topLeft();
        return true;
    }
    case QEvent::MouseMove:
        if (grabbedAt_) {
            window_.move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - *grabbedAt_);
            return true;
        }
        return false;
    case QEvent::MouseButtonRelease:
        if (grabbedAt_) {
            grabbedAt_.reset();
            return true;
        }
        return false;
    default:
        return false;
    }
}

}  // namespace qmb
