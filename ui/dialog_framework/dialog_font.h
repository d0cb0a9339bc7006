// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>

#include "ui/controls/language.h"

namespace qmb {

// The one font of a window's controls, `pixels` high. Korean windows take a
// Korean face that draws Latin letters and digits too, so "DPI" or "1600"
// are not set in a thinner fallback.
QFont DialogFont(Language language, int pixels);

}  // namespace qmb
