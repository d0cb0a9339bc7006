// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/xembed_tray_watch.h"

#include <QCoreApplication>
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

constexpr char kAnnouncement[] = "MANAGER";

// The announcement goes to clients that hear the root window's structure
// changes. The mask is added to what the program already hears there: it
// replaces the program's whole mask on that window.
void HearRootStructure(xcb_connection_t* connection, xcb_window_t root)
{
    const XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root), nullptr), &std::free);
    if (!attributes || (attributes->your_event_mask & XCB_EVENT_MASK_STRUCTURE_NOTIFY) != 0) {
        return;
    }
    const uint32_t mask = attributes->your_event_mask | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

}  // namespace

XEmbedTrayWatch::XEmbedTrayWatch(QObject* parent) : QObject(parent)
{
    // Other platforms may answer as X11 too (offscreen does) without an X
    // server behind them.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return;
    }
    const XcbReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection,
                              xcb_intern_atom(connection, 0, sizeof kAnnouncement - 1, kAnnouncement), nullptr),
        &std::free);
    if (!atom) {
        return;
    }
    managerAtom_ = atom->atom;
    // Every screen's root: the tray of the program's screen may be
    // announced on its own root only.
    for (auto roots = xcb_setup_roots_iterator(xcb_get_setup(connection)); roots.rem > 0; xcb_screen_next(&roots)) {
        HearRootStructure(connection, roots.data->root);
    }
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool XEmbedTrayWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) {
        return false;
    }
    if (static_cast<const xcb_client_message_event_t*>(message)->type == managerAtom_) {
        emit trayAnnounced();
    }
    // Qt's own tray code hears the announcement too.
    return false;
}

#else

XEmbedTrayWatch::XEmbedTrayWatch(QObject* parent) : QObject(parent) {}

bool XEmbedTrayWatch::nativeEventFilter(const QByteArray&, void*, qintptr*)
{
    return false;
}

#endif

}  // namespace qmb
