// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/xembed_tray.h"

#include <QGuiApplication>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace qmb {

#if QT_CONFIG(xcb)

namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The screen the program's display names (DISPLAY=:0.1 is screen 1).
int DisplayScreen()
{
    char* host = nullptr;
    int display = 0;
    int screen = 0;
    if (xcb_parse_display(nullptr, &host, &display, &screen) == 0) {
        return 0;
    }
    std::free(host);
    return screen;
}

}  // namespace

bool XEmbedTrayPresent()
{
    // Other platforms may answer as X11 too (offscreen does) without an X
    // server behind them.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return false;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return false;
    }
    const QByteArray selection = "_NET_SYSTEM_TRAY_S" + QByteArray::number(DisplayScreen());
    // An atom nobody ever made names no selection anybody owns.
    const auto atomCookie =
        xcb_intern_atom(connection, 1, static_cast<uint16_t>(selection.size()), selection.constData());
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return false;
    }
    const auto ownerCookie = xcb_get_selection_owner(connection, atom->atom);
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, ownerCookie, nullptr), &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

#else

bool XEmbedTrayPresent()
{
    return false;
}

#endif

}  // namespace qmb
