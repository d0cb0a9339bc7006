// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>

struct xcb_connection_t;

namespace qmb {

// Holds a display's X11 tray selection (_NET_SYSTEM_TRAY_S0) while it
// lives: an XEmbed tray, as far as a program looking for one can tell. It
// embeds nothing.
class XEmbedTrayOwner {
public:
    explicit XEmbedTrayOwner(const QByteArray& display);
    ~XEmbedTrayOwner();
    XEmbedTrayOwner(const XEmbedTrayOwner&) = delete;
    XEmbedTrayOwner& operator=(const XEmbedTrayOwner&) = delete;

    bool owns() const { return owns_; }

private:
    xcb_connection_t* connection_;
    bool owns_ = false;
};

}  // namespace qmb
