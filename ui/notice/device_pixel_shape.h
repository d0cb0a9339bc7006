// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRegion>

class QWidget;

namespace qmb {

// Cuts `window` to `devicePixels`, a region in the screen's own pixels, on
// a window system that lets a program do that finer than a widget's mask,
// whose units are the scaled ones (two pixels each at twice the size).
// False where it cannot; the caller then sets a mask.
bool CutToDevicePixels(QWidget& window, const QRegion& devicePixels);

}  // namespace qmb
