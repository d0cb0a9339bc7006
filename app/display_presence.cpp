// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/display_presence.h"

#include <QByteArray>
#include <QtGlobal>

namespace qmb {

bool DisplayReachable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool needsWindowSystem =
        platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    return !needsWindowSystem || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace qmb
