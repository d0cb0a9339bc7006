#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

#include "app/control_box.h"
#include "app/device_bridge.h"
#include "app/dialog_openers.h"
#include "protocol/device_session.h"
#include "app/panel_actions.h"
#include "app/panel_refresh.h"
#include "app/pointer_position.h"
#include "app/tray_menu.h"
#include "app/tray_wait.h"
#include "ui/controls/language.h"

namespace qmb {

// The program's main window and everything it drives: the control box, the
// tray icon and its menu, the device watcher and the USB notices.
class MainDialog : public QObject {
    Q_OBJECT
public:
    using PointerKnown = std::function<bool()>;

    MainDialog(DeviceSession& session, Language language,
               TrayWait::TrayAvailable trayAvailable = TrayWait::DesktopHasTray,
               PointerKnown pointerKnown = PointerPositionKnown);
    ~MainDialog() override;

    void OnInitDialog();

    ControlBox& box() { return box_; }
    TrayWait& tray() { return tray_; }
    TrayMenu& trayMenu() { return trayMenu_; }
    DeviceBridge& device() { return device_; }
    PanelRefresh& panel() { return panel_; }
    int showFlag() const { return showFlag_; }
    int topmostFlag() const { return topmostFlag_; }

    // The tray icon was pressed: show or hide by "Show", then the menu.
    void OnTrayActivated(QSystemTrayIcon::ActivationReason reason);
    void ShowTrayMenu();
    void ShowControlBox();

signals:
    void exitRequested();

private:
    void OnTrayMenuAboutToShow();
    void ApplyShowFlag(bool show);
    void ToggleTopmost();
    void ToggleControlBox();
    void ReadProfile();
    void ShowHelp();
    void ToggleStartAtLogin();
    void Exit();
    void OnTrayFound();
    void ShowAbout();
    void ShowBoxMenu(const QPoint& at);

    DeviceSession& session_;
    Language language_;
    ControlBox box_;
    PanelRefresh panel_;
    PanelActions actions_;
    TrayMenu trayMenu_;
    TrayWait tray_;
    PointerKnown pointerKnown_;
    int showFlag_ = 0;
    int topmostFlag_ = 0;
    // The tray menu about to open was asked for by a left press.
    bool leftPressMenu_ = false;
    std::unique_ptr<DialogOpeners> openers_;
    // Last, so that it goes first: the watcher must be gone before anything
    // it reaches is.
    DeviceBridge device_;
};

}  // namespace qmb
