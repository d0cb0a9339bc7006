// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/tray_host_watch.h"

#include <QDBusMessage>
#include <QDBusVariant>

namespace qmb {

namespace {

const QString kWatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
// A watcher that hangs must not hold up the program for D-Bus's 25 seconds.
constexpr int kWatcherReplyWait = 1000;

}  // namespace

TrayHostWatch::TrayHostWatch(const QDBusConnection& bus, QObject* parent)
    : QObject(parent), bus_(bus), watcher_(kWatcherService, bus, QDBusServiceWatcher::WatchForRegistration)
{
    connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this, &TrayHostWatch::CheckHost);
    bus_.connect(kWatcherService, kWatcherPath, kWatcherService, QStringLiteral("StatusNotifierHostRegistered"), this,
                 SLOT(CheckHost()));
}

bool TrayHostWatch::HostPresent(const QDBusConnection& bus)
{
    QDBusMessage get = QDBusMessage::createMethodCall(kWatcherService, kWatcherPath,
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << kWatcherService << QStringLiteral("IsStatusNotifierHostRegistered");
    // Asking must not start a watcher that the desktop did not start.
    get.setAutoStartService(false);
    const QDBusMessage reply = bus.call(get, QDBus::Block, kWatcherReplyWait);
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
}

void TrayHostWatch::CheckHost()
{
    if (HostPresent(bus_)) {
        emit hostAppeared();
    }
}

}  // namespace qmb
