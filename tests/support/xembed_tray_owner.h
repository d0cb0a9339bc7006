// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>

#include <chrono>
#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace qmb {

// Holds a display's X11 tray selection (_NET_SYSTEM_TRAY_S0) while it
// lives and announces it to the clients on the display, as an XEmbed tray
// does when it starts. It embeds nothing, but it hears the icons that ask
// to be docked.
class XEmbedTrayOwner {
public:
    using Clock = std::chrono::steady_clock;

    explicit XEmbedTrayOwner(const QByteArray& display);
    ~XEmbedTrayOwner();
    XEmbedTrayOwner(const XEmbedTrayOwner&) = delete;
    XEmbedTrayOwner& operator=(const XEmbedTrayOwner&) = delete;

    bool owns() const { return owns_; }

    // When the next icon asked to be docked, read as soon as it arrives;
    // none if no icon asks within `wait`.
    std::optional<Clock::time_point> WaitForDockRequest(std::chrono::milliseconds wait);

private:
    xcb_connection_t* connection_;
    uint32_t opcodeAtom_ = 0;
    bool owns_ = false;
};

}  // namespace qmb
