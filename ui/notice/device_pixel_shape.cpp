// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/notice/device_pixel_shape.h"

#include <QGuiApplication>
#include <QWidget>

#include <vector>

#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace qmb {

bool CutToDevicePixels(QWidget& window, const QRegion& devicePixels)
{
    // The offscreen platform answers as X11 too, with no server behind it.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr || x11->connection() == nullptr) {
        return false;
    }
    std::vector<xcb_rectangle_t> rectangles;
    for (const QRect& run : devicePixels) {
        rectangles.push_back({static_cast<int16_t>(run.x()), static_cast<int16_t>(run.y()),
                              static_cast<uint16_t>(run.width()), static_cast<uint16_t>(run.height())});
    }
    xcb_connection_t* connection = x11->connection();
    // As Qt cuts a window to a mask, but without scaling the region first.
    xcb_shape_rectangles(connection, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_BOUNDING, XCB_CLIP_ORDERING_UNSORTED,
                         static_cast<xcb_window_t>(window.winId()), 0, 0, static_cast<uint32_t>(rectangles.size()),
                         rectangles.data());
    xcb_flush(connection);
    return true;
}

}  // namespace qmb
