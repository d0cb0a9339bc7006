// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/tray_wait.h"

#include <QMenu>

#include "app/tray_host_watch.h"
#include "app/xembed_tray.h"
#include "protocol/model_table.h"
#include "ui/controls/skin_library.h"

namespace qmb {

namespace {

using namespace std::chrono_literals;

constexpr auto kTrayCheckInterval = 2s;
// How long to look for a tray that appears after the program (a panel that
// starts later): 2 minutes.
constexpr int kTrayChecks = 60;

}  // namespace

TrayWait::TrayWait(QMenu& menu, int modelNumber, TrayAvailable trayAvailable)
    : menu_(menu), modelNumber_(modelNumber), trayAvailable_(std::move(trayAvailable))
{
    checks_.setInterval(kTrayCheckInterval);
    connect(&checks_, &QTimer::timeout, this, [this] {
        if (++checksMade_ >= kTrayChecks) {
            checks_.stop();
        }
        CheckForTray();
    });
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
    // An XEmbed tray can only be polled for; a StatusNotifier panel says
    // when it comes, however late.
    emit waiting();
    checks_.start();
    hostWatch_ = new TrayHostWatch(QDBusConnection::sessionBus(), this);
    connect(hostWatch_, &TrayHostWatch::hostAppeared, this, &TrayWait::CheckForTray);
}

void TrayWait::CheckForTray()
{
    if (icon_ || !trayAvailable_()) {
        return;
    }
    checks_.stop();
    // Its own signal may have brought us here: it goes once that returns.
    hostWatch_->deleteLater();
    hostWatch_ = nullptr;
    ShowIcon();
    emit found();
}

void TrayWait::ShowIcon()
{
    icon_ = std::make_unique<QSystemTrayIcon>();
    // By name when installed in the icon theme, so that shells drawing the
    // tray themselves find it; the built-in pictures otherwise.
    icon_->setIcon(QIcon::fromTheme("qmbpro", ProgramIcon()));
    icon_->setToolTip(QString::fromUtf8(ModelName(modelNumber_)));
    // Shells that draw the menu themselves (StatusNotifierItem) only report
    // presses, so the same menu is also the icon's context menu.
    icon_->setContextMenu(&menu_);
    connect(icon_.get(), &QSystemTrayIcon::activated, this, &TrayWait::activated);
    icon_->show();
}

}  // namespace qmb
