#include "tests/support/session_bus.h"

#include <QStandardPaths>

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
