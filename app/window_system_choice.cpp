// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/window_system_choice.h"

#include <QtGlobal>

namespace qmb {

std::optional<QByteArray> ChosenPlatform(const QByteArray& qpaPlatform, const QByteArray& waylandDisplay,
                                         const QByteArray& x11Display, const QStringList& arguments)
{
    const bool userChose = !qpaPlatform.isEmpty() || arguments.contains("-platform") ||
                           arguments.contains("--platform");
    if (userChose || waylandDisplay.isEmpty() || x11Display.isEmpty()) {
        return std::nullopt;
    }
    return QByteArray("xcb");
}

void ChooseWindowSystem(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const auto chosen = ChosenPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"),
                                       arguments);
    if (chosen) {
        qputenv("QT_QPA_PLATFORM", *chosen);
    }
}

}  // namespace qmb
