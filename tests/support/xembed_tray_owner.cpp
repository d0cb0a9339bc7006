// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/support/xembed_tray_owner.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace qmb {

namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

constexpr char kSelection[] = "_NET_SYSTEM_TRAY_S0";
// What an icon asks of the tray in a _NET_SYSTEM_TRAY_OPCODE message.
constexpr uint32_t kRequestDock = 0;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const XcbReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr),
        &std::free);
    return atom ? atom->atom : xcb_atom_t{XCB_ATOM_NONE};
}

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
    const xcb_atom_t selection = Atom(connection_, kSelection);
    const xcb_atom_t announcement = Atom(connection_, "MANAGER");
    opcodeAtom_ = Atom(connection_, "_NET_SYSTEM_TRAY_OPCODE");
    if (selection == XCB_ATOM_NONE || announcement == XCB_ATOM_NONE || opcodeAtom_ == XCB_ATOM_NONE) {
        return;
    }
    xcb_set_selection_owner(connection_, manager, selection, XCB_CURRENT_TIME);
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection_, xcb_get_selection_owner(connection_, selection), nullptr),
        &std::free);
    owns_ = owner && owner->owner == manager;
    if (!owns_) {
        return;
    }
    xcb_client_message_event_t told{};
    told.response_type = XCB_CLIENT_MESSAGE;
    told.format = 32;
    told.window = screen->root;
    told.type = announcement;
    told.data.data32[0] = XCB_CURRENT_TIME;
    told.data.data32[1] = selection;
    told.data.data32[2] = manager;
    xcb_send_event(connection_, 0, screen->root, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char*>(&told));
    xcb_flush(connection_);
}

XEmbedTrayOwner::~XEmbedTrayOwner()
{
    xcb_disconnect(connection_);
}

std::optional<XEmbedTrayOwner::Clock::time_point> XEmbedTrayOwner::WaitForDockRequest(std::chrono::milliseconds wait)
{
    const auto until = Clock::now() + wait;
    while (owns_ && xcb_connection_has_error(connection_) == 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            const auto arrived = Clock::now();
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
            if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) {
                continue;
            }
            const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (message->type == opcodeAtom_ && message->data.data32[1] == kRequestDock) {
                return arrived;
            }
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now());
        pollfd readable{xcb_get_file_descriptor(connection_), POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) <= 0) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace qmb
