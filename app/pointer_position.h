// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

namespace qmb {

// Whether QCursor::pos() is where the pointer is on the screen. A Wayland
// client learns the pointer only over its own windows, and so does an X11
// client of a Wayland session (through Xwayland): over the panel, the
// position it has is stale.
bool PointerPositionKnown();

}  // namespace qmb
