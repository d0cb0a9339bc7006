// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <QSize>

namespace qmb {

// Every window of the program is laid out in the dialog units of its
// template, turned into pixels by one scale: the one at which the control
// box's 247 x 81 units fill its 400 x 111 pixel skin.
inline constexpr QSize kControlBoxUnits{247, 81};
inline constexpr QSize kControlBoxPixels{400, 111};

QRect UnitsToPixels(const QRect& units);
QSize UnitsToPixels(const QSize& units);

}  // namespace qmb
