// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

namespace qmb {

// Whether a window system can be reached: QT_QPA_PLATFORM names one that
// needs none (offscreen, minimal, vnc…), or DISPLAY or WAYLAND_DISPLAY is
// set. Without one Qt would abort while it starts.
bool DisplayReachable();

}  // namespace qmb
