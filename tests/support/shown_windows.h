// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>

#include <vector>

namespace qmb {

// A top-level window the X server shows now.
struct ShownWindow {
    QRect geometry;
    // Placed by the client itself, past the window manager: menus, tooltips.
    bool popup;
};

// What an X server shows, asked of the server itself: what a user of that
// display sees of a program that runs there.
std::vector<ShownWindow> ShownWindows(const QByteArray& display);

// Where that display's pointer is.
QPoint PointerPosition(const QByteArray& display);

}  // namespace qmb
