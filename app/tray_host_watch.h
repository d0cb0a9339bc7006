// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

namespace qmb {

// Watches a session bus for a panel that draws tray icons itself over D-Bus
// (a StatusNotifier host: KDE Plasma, GNOME's AppIndicator extension, LXQt,
// waybar) to become available: its watcher service appears, or a host
// registers with a watcher that was already there.
class TrayHostWatch : public QObject {
    Q_OBJECT
public:
    explicit TrayHostWatch(const QDBusConnection& bus, QObject* parent = nullptr);

    // Whether a host is registered with the watcher now: the condition under
    // which Qt shows a tray icon over D-Bus.
    static bool HostPresent(const QDBusConnection& bus);

signals:
    void hostAppeared();

private slots:
    void CheckHost();

private:
    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
};

}  // namespace qmb
