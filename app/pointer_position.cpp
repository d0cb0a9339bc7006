// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/pointer_position.h"

#include <QGuiApplication>

namespace qmb {

bool PointerPositionKnown()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) {
        return false;
    }
    return platform != QLatin1String("xcb") || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace qmb
