// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "app/window_system_choice.h"

namespace qmb {
namespace {

TEST(WindowSystemChoice, XWaylandIsChosenOnlyWhereOfferedAndTheUserHasNotChosen)
{
    struct Case {
        QByteArray qpa, wayland, x11;
        QStringList arguments;
        std::optional<QByteArray> chosen;
    };
    const std::vector<Case> cases{
        {"", "wayland-0", ":0", {}, "xcb"},                           // a Wayland session with XWayland
        {"", "wayland-0", "", {}, std::nullopt},                      // Wayland alone: native
        {"", "", ":0", {}, std::nullopt},                             // X11: Qt's own choice
        {"wayland", "wayland-0", ":0", {}, std::nullopt},             // the user's environment
        {"", "wayland-0", ":0", {"-platform", "wayland"}, std::nullopt},  // the user's argument
        {"", "", "", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChosenPlatform(c.qpa, c.wayland, c.x11, c.arguments), c.chosen)
            << c.qpa.constData() << " | " << c.wayland.constData() << " | " << c.x11.constData();
    }
}

}  // namespace
}  // namespace qmb
