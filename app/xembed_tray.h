// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

namespace qmb {

// Whether an X11 tray of the older kind (XEmbed, the freedesktop system tray)
// runs on the display: its manager owns the selection _NET_SYSTEM_TRAY_S<n>.
// Asked of the X server directly, not through QSystemTrayIcon, whose check
// also settles for the whole run whether a StatusNotifier tray exists, and
// so would never see a panel that starts later.
bool XEmbedTrayPresent();

}  // namespace qmb
