// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/support/session_bus.h"

#include <QStandardPaths>

#include <sys/prctl.h>

#include <csignal>

namespace qmb {

namespace {

constexpr int kDaemonStartWait = 10000;

}  // namespace

SessionBus::SessionBus()
{
    const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
    if (daemon.isEmpty()) {
        return;
    }
    installed_ = true;
    // A test that crashes must not leave it running.
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // The daemon prints its address once it takes connections.
    process_.start(daemon, {"--session", "--nofork", "--nopidfile", "--print-address"});
    QByteArray output;
    while (process_.waitForReadyRead(kDaemonStartWait)) {
        output += process_.readAllStandardOutput();
        if (output.contains('\n')) {
            address_ = QString::fromUtf8(output.trimmed());
            return;
        }
    }
    problem_ = "dbus-daemon did not start: " + process_.readAllStandardError();
}

SessionBus::~SessionBus()
{
    process_.terminate();
    process_.waitForFinished();
}

}  // namespace qmb
