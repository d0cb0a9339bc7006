// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>

namespace qmb {

class ControlBox;
class TrayMenu;
class TrayWait;

// When the control box shows and how it stacks: the "Show" and "Topmost"
// flags, presses on the tray icon, the tray menu's variant, and the box's
// own context menu.
class ControlBoxVisibility : public QObject {
    Q_OBJECT
public:
    using PointerKnown = std::function<bool()>;

    ControlBoxVisibility(ControlBox& box, TrayMenu& trayMenu, const TrayWait& tray, PointerKnown pointerKnown);

    int showFlag() const { return showFlag_; }

    // At start, once the box has its native window: on top when so stored.
    void ApplyStoredTopmost();
    void ShowControlBox();
    void ToggleTopmost();
    void ToggleControlBox();
    // The tray icon was pressed: show or hide by "Show", then the menu.
    void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void OnTrayFound();

private:
    void OnTrayMenuAboutToShow();
    void ShowTrayMenu();
    void ApplyShowFlag(bool show);
    void TakeKeyboard();
    void ShowAbout();
    void ShowBoxMenu(const QPoint& at);

    ControlBox& box_;
    TrayMenu& trayMenu_;
    const TrayWait& tray_;
    PointerKnown pointerKnown_;
    int showFlag_ = 0;
    int topmostFlag_ = 0;
    // The tray menu about to open was asked for by a left press.
    bool leftPressMenu_ = false;
};

}  // namespace qmb
