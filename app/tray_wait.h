// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

class QMenu;

namespace qmb {

class TrayHostWatch;
class XEmbedTrayWatch;

// The program's tray icon: shown at once when the desktop has a tray, else
// as soon as one comes (a panel that starts after the program). Until then
// the control box is the only way in, and it is the composition's to show.
class TrayWait : public QObject {
    Q_OBJECT
public:
    using TrayAvailable = std::function<bool()>;

    TrayWait(QMenu& menu, int modelNumber, TrayAvailable trayAvailable);

    static bool DesktopHasTray();

    // The icon now, or `waiting` and the icon once a tray is found.
    void Start();
    // None until a tray is found.
    QSystemTrayIcon* icon() const { return icon_.get(); }
    // Looks again while waiting: the icon, if there is a tray now. The
    // desktop's own news of a tray that comes ends up here.
    void CheckForTray();

signals:
    // There was no tray at the start.
    void waiting();
    // A tray came after the start, and the icon is in it.
    void found();
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    void ShowIcon();

    QMenu& menu_;
    int modelNumber_;
    TrayAvailable trayAvailable_;
    // Made only once a tray is there: Qt decides at that moment, for the
    // whole run, whether the icon goes over D-Bus.
    std::unique_ptr<QSystemTrayIcon> icon_;
    TrayHostWatch* hostWatch_ = nullptr;
    XEmbedTrayWatch* xembedWatch_ = nullptr;
};

}  // namespace qmb
