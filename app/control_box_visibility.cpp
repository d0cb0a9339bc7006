// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/control_box_visibility.h"

#include <QCursor>
#include <QMenu>

#include "app/about_box.h"
#include "app/control_box.h"
#include "app/tray_menu.h"
#include "app/tray_wait.h"
#include "app/window_options.h"
#include "settings/settings_store.h"
#include "ui/dialog_framework/tab_order.h"

namespace qmb {

ControlBoxVisibility::ControlBoxVisibility(ControlBox& box, TrayMenu& trayMenu, const TrayWait& tray,
                                           PointerKnown pointerKnown)
    : box_(box), trayMenu_(trayMenu), tray_(tray), pointerKnown_(std::move(pointerKnown))
{
    topmostFlag_ = static_cast<int>(ReadUserDword(kUserKey, kTopMostName));
    connect(&trayMenu_.menu(), &QMenu::aboutToShow, this, &ControlBoxVisibility::OnTrayMenuAboutToShow);
    trayMenu_.Fill(ChooseTrayMenu(showFlag_, topmostFlag_));
    box_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&box_, &QWidget::customContextMenuRequested, this, &ControlBoxVisibility::ShowBoxMenu);
}

void ControlBoxVisibility::ApplyStoredTopmost()
{
    if (topmostFlag_) {
        box_.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
}

void ControlBoxVisibility::OnTrayFound()
{
    // As at a start with a tray, the control box goes into it, unless
    // "View Control Box" was chosen meanwhile.
    ApplyShowFlag(showFlag_ != 0);
}

void ControlBoxVisibility::OnTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    // A right press needs nothing here: the tray opens the icon's context
    // menu itself, and tells of the press only afterwards.
    if (reason != QSystemTrayIcon::Trigger) {
        return;
    }
    if (!pointerKnown_()) {
        // Without the pointer's position a menu would open away from the
        // panel, or not at all: the control box is what a press can show.
        ShowControlBox();
        return;
    }
    showFlag_ = static_cast<int>(ReadUserDword(kUserKey, kShowName));
    ApplyShowFlag(showFlag_ == 1);
    ShowTrayMenu();
}

void ControlBoxVisibility::OnTrayMenuAboutToShow()
{
    // Shown for anything but a left press, the menu is the icon's context
    // menu: a right press, whose rule runs now, before the variant is
    // chosen.
    if (!leftPressMenu_) {
        showFlag_ = static_cast<int>(ReadUserDword(kUserKey, kShowName));
        ApplyShowFlag(showFlag_ != 0);
    }
    leftPressMenu_ = false;
    trayMenu_.Fill(ChooseTrayMenu(showFlag_, topmostFlag_));
}

void ControlBoxVisibility::ShowTrayMenu()
{
    if (box_.isVisible()) {
        box_.activateWindow();
    }
    leftPressMenu_ = true;
    trayMenu_.menu().popup(QCursor::pos());
}

void ControlBoxVisibility::ShowControlBox()
{
    ApplyShowFlag(true);
    TakeKeyboard();
}

void ControlBoxVisibility::TakeKeyboard()
{
    // Shown by the user, it takes the keyboard: its controls are a Tab
    // away, as they would be after a click on it.
    box_.activateWindow();
    QWidget* first = box_.focusWidget() ? nullptr : FirstTabStop(box_, [](const QWidget&) { return true; });
    if (first) {
        first->setFocus(Qt::TabFocusReason);
    }
}

void ControlBoxVisibility::ApplyShowFlag(bool show)
{
    if (show) {
        box_.show();
        box_.raise();
    } else {
        box_.hide();
    }
}

void ControlBoxVisibility::ToggleTopmost()
{
    topmostFlag_ = topmostFlag_ ? 0 : 1;
    WriteUserDword(kUserKey, kTopMostName, static_cast<uint32_t>(topmostFlag_));
    SetTopmost(&box_, topmostFlag_ != 0);
}

void ControlBoxVisibility::ToggleControlBox()
{
    showFlag_ = showFlag_ ? 0 : 1;
    WriteUserDword(kUserKey, kShowName, static_cast<uint32_t>(showFlag_));
    ApplyShowFlag(showFlag_ != 0);
    if (showFlag_ != 0) {
        TakeKeyboard();
    }
}

void ControlBoxVisibility::ShowAbout()
{
    AboutBox about(&box_);
    about.exec();
}

void ControlBoxVisibility::ShowBoxMenu(const QPoint& at)
{
    QMenu menu;
    connect(menu.addAction(tr("&About QMBPro...")), &QAction::triggered, this, &ControlBoxVisibility::ShowAbout);
    if (!tray_.icon()) {
        trayMenu_.Fill(ChooseTrayMenu(showFlag_, topmostFlag_));
        menu.addActions(trayMenu_.menu().actions());
    }
    menu.exec(box_.mapToGlobal(at));
}

}  // namespace qmb
