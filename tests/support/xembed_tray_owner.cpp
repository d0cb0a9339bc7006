// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/support/xembed_tray_owner.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace qmb {

namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

constexpr char kSelection[] = "_NET_SYSTEM_TRAY_S0";

}  // namespace

XEmbedTrayOwner::XEmbedTrayOwner(const QByteArray& display) : connection_(xcb_connect(display.constData(), nullptr))
{
    if (xcb_connection_has_error(connection_) != 0) {
        return;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    const xcb_window_t manager = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, manager, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const XcbReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 0, std::strlen(kSelection), kSelection),
                              nullptr),
        &std::free);
    if (!atom) {
        return;
    }
    xcb_set_selection_owner(connection_, manager, atom->atom, XCB_CURRENT_TIME);
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, atom->atom), nullptr),
        &std::free);
    owns_ = owner && owner->owner == manager;
}

XEmbedTrayOwner::~XEmbedTrayOwner()
{
    xcb_disconnect(connection_);
}

}  // namespace qmb
