// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace qmb {

// A D-Bus session bus of its own (dbus-daemon), for as long as it lives.
class SessionBus {
public:
    SessionBus();
    ~SessionBus();

    bool installed() const { return installed_; }
    bool running() const { return installed_ && problem_.isEmpty(); }
    // Where clients connect, as DBUS_SESSION_BUS_ADDRESS says it.
    const QString& address() const { return address_; }
    const QByteArray& problem() const { return problem_; }

private:
    bool installed_ = false;
    QProcess process_;
    QString address_;
    QByteArray problem_;
};

}  // namespace qmb
