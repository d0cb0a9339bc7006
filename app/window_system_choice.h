// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

namespace qmb {

// The Qt platform the program picks for itself: "xcb" in a Wayland session
// that also offers X11 (XWayland), none otherwise. Wayland lets no program
// put a window at a point of the screen or keep it above the others, and
// the notice (letters floating at the middle of the screen, on top) and the
// control box's Topmost need both; through XWayland they work as on X11,
// and the tray icon, over D-Bus, is the same either way. A choice the user
// made (QT_QPA_PLATFORM, -platform) is kept.
std::optional<QByteArray> ChosenPlatform(const QByteArray& qpaPlatform, const QByteArray& waylandDisplay,
                                         const QByteArray& x11Display, const QStringList& arguments);

// Applies the choice for this process's environment and command line;
// before the application object exists.
void ChooseWindowSystem(int argc, char** argv);

}  // namespace qmb
