// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QStringList>

#include <cstdio>

#include "app/app_options.h"
#include "app/display_presence.h"
#include "app/main_app.h"
#include "app/window_system_choice.h"

int main(int argc, char** argv)
{
    // Read before Qt starts: --help must work where no display is.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    const auto options = qmb::ParseAppOptions(arguments);
    if (!options) {
        std::fputs(qmb::kAppUsage, stderr);
        return 2;
    }
    if (options->help) {
        std::fputs(qmb::kAppUsage, stdout);
        return 0;
    }
    if (options->version) {
        std::puts("qmbpro " QMB_VERSION "\n" QMB_LICENCE_LINE);
        return 0;
    }
    if (!qmb::DisplayReachable()) {
        std::fputs("qmbpro: no display: set DISPLAY or WAYLAND_DISPLAY\n", stderr);
        return 1;
    }

    qmb::ChooseWindowSystem(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName("QMBPro");
    QApplication::setApplicationVersion(QMB_VERSION);
    QApplication::setDesktopFileName("qmbpro");
    // A tray program: closing a window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    qmb::MainApp program(*options);
    return program.InitInstance();
}
