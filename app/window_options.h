// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

namespace qmb {

// Keeps a window above the others, or not, without moving it.
void SetTopmost(QWidget* window, bool topmost);

}  // namespace qmb
