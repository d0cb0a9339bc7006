// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

#include <memory>

#include "app/control_box.h"
#include "app/control_box_visibility.h"
#include "app/device_bridge.h"
#include "app/dialog_openers.h"
#include "app/mouse_backup_menu.h"
#include "app/panel_actions.h"
#include "app/panel_refresh.h"
#include "app/pointer_position.h"
#include "app/tray_menu.h"
#include "app/tray_wait.h"
#include "protocol/device_session.h"
#include "ui/controls/language.h"

namespace qmb {

// The tray program put together: the control box and its panel, the tray
// icon and its menu, the device watcher and the USB notices, and what each
// control and menu entry does.
class TrayProgram : public QObject {
    Q_OBJECT
public:
    TrayProgram(DeviceSession& session, Language language,
                TrayWait::TrayAvailable trayAvailable = TrayWait::DesktopHasTray,
                ControlBoxVisibility::PointerKnown pointerKnown = PointerPositionKnown,
                MouseBackupMenu::FileChooser chooseBackupFile = MouseBackupMenu::ChooseInFileDialog);
    ~TrayProgram() override;

    // Lays out the control box, reads and watches the mouse, and shows the
    // tray icon, or the control box while there is no tray.
    void Start();

    ControlBox& box() { return box_; }
    PanelRefresh& panel() { return panel_; }
    TrayMenu& trayMenu() { return trayMenu_; }
    TrayWait& tray() { return tray_; }
    ControlBoxVisibility& visibility() { return visibility_; }
    DeviceBridge& device() { return device_; }

signals:
    void exitRequested();

private:
    void ReadProfile();
    void ShowHelp();
    void ToggleStartAtLogin();
    void Exit();

    DeviceSession& session_;
    Language language_;
    ControlBox box_;
    PanelRefresh panel_;
    PanelActions actions_;
    TrayMenu trayMenu_;
    TrayWait tray_;
    ControlBoxVisibility visibility_;
    // Made at Start: a dialog pauses the watcher, which exists from then on.
    std::unique_ptr<DialogOpeners> openers_;
    MouseBackupMenu::FileChooser chooseBackupFile_;
    std::unique_ptr<MouseBackupMenu> backupMenu_;
    // Last, so that it goes first: the watcher must be gone before anything
    // it reaches is.
    DeviceBridge device_;
};

}  // namespace qmb
