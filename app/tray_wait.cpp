// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/tray_wait.h"

#include <QGuiApplication>
#include <QMenu>

#include "app/tray_host_watch.h"
#include "app/xembed_tray.h"
#include "app/xembed_tray_watch.h"
#include "protocol/model_table.h"

namespace qmb {

TrayWait::TrayWait(QMenu& menu, int modelNumber, TrayAvailable trayAvailable)
    : menu_(menu), modelNumber_(modelNumber), trayAvailable_(std::move(trayAvailable))
{
}

bool TrayWait::DesktopHasTray()
{
    // Not QSystemTrayIcon::isSystemTrayAvailable(): its answer about
    // StatusNotifier trays is made once and kept for the whole run.
    return TrayHostWatch::HostPresent(QDBusConnection::sessionBus()) || XEmbedTrayPresent();
}

void TrayWait::Start()
{
    if (trayAvailable_()) {
        ShowIcon();
        return;
    }
    // Both kinds of tray say when they come, however late.
    emit waiting();
    hostWatch_ = new TrayHostWatch(QDBusConnection::sessionBus(), this);
    connect(hostWatch_, &TrayHostWatch::hostAppeared, this, &TrayWait::CheckForTray);
    xembedWatch_ = new XEmbedTrayWatch(this);
    connect(xembedWatch_, &XEmbedTrayWatch::trayAnnounced, this, &TrayWait::CheckForTray);
    // A tray that came while the watches were being set up told nobody.
    CheckForTray();
}

void TrayWait::CheckForTray()
{
    if (icon_ || !hostWatch_ || !trayAvailable_()) {
        return;
    }
    // Their own signals may have brought us here: they go once that returns.
    hostWatch_->deleteLater();
    hostWatch_ = nullptr;
    xembedWatch_->deleteLater();
    xembedWatch_ = nullptr;
    ShowIcon();
    emit found();
}

void TrayWait::ShowIcon()
{
    icon_ = std::make_unique<QSystemTrayIcon>();
    // Shells that draw the tray themselves (StatusNotifier) find the icon by
    // its name in the icon theme; an X11 tray is handed the pictures, and
    // looking the theme up would take as long as the rest of the icon.
    const QIcon pictures = QGuiApplication::windowIcon();
    icon_->setIcon(TrayHostWatch::HostPresent(QDBusConnection::sessionBus()) ? QIcon::fromTheme("qmbpro", pictures)
                                                                             : pictures);
    icon_->setToolTip(QString::fromUtf8(ModelName(modelNumber_)));
    // Shells that draw the menu themselves (StatusNotifierItem) only report
    // presses, so the same menu is also the icon's context menu.
    icon_->setContextMenu(&menu_);
    connect(icon_.get(), &QSystemTrayIcon::activated, this, &TrayWait::activated);
    icon_->show();
}

}  // namespace qmb
