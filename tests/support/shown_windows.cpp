// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/support/shown_windows.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace qmb {

namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
XcbReply<Reply> Own(Reply* reply)
{
    return XcbReply<Reply>(reply, &std::free);
}

// A connection to a display, and the root window of its screen.
class Display {
public:
    explicit Display(const QByteArray& name)
    {
        int screenNumber = 0;
        connection_ = xcb_connect(name.constData(), &screenNumber);
        if (xcb_connection_has_error(connection_) != 0) {
            return;
        }
        xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screenNumber; ++i) {
            xcb_screen_next(&screen);
        }
        root_ = screen.data->root;
    }
    ~Display() { xcb_disconnect(connection_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    xcb_connection_t* connection() const { return connection_; }
    xcb_window_t root() const { return root_; }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_ = XCB_WINDOW_NONE;
};

}  // namespace

std::vector<ShownWindow> ShownWindows(const QByteArray& display)
{
    const Display server(display);
    xcb_connection_t* connection = server.connection();
    std::vector<ShownWindow> shown;
    if (server.root() == XCB_WINDOW_NONE) {
        return shown;
    }
    const auto tree = Own(xcb_query_tree_reply(connection, xcb_query_tree(connection, server.root()), nullptr));
    if (!tree) {
        return shown;
    }
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const auto attributes = Own(xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, children[i]), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) {
            continue;
        }
        const auto geometry =
            Own(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, children[i]), nullptr));
        if (!geometry) {
            continue;
        }
        shown.push_back({QRect(geometry->x, geometry->y, geometry->width, geometry->height),
                         attributes->override_redirect != 0});
    }
    return shown;
}

QPoint PointerPosition(const QByteArray& display)
{
    const Display server(display);
    xcb_connection_t* connection = server.connection();
    if (server.root() == XCB_WINDOW_NONE) {
        return {};
    }
    const auto pointer =
        Own(xcb_query_pointer_reply(connection, xcb_query_pointer(connection, server.root()), nullptr));
    return pointer ? QPoint(pointer->root_x, pointer->root_y) : QPoint();
}

}  // namespace qmb
