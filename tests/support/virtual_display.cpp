// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/support/virtual_display.h"

#include <QStandardPaths>

#include <sys/prctl.h>

#include <csignal>

namespace qmb {

namespace {

constexpr int kServerStartWait = 10000;

}  // namespace

VirtualDisplay::VirtualDisplay()
{
    const QString server = QStandardPaths::findExecutable("Xvfb");
    if (server.isEmpty()) {
        return;
    }
    installed_ = true;
    // A test that crashes must not leave it running.
    process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    // Xvfb writes the display number it chose to its standard output once it
    // takes connections. Without -noreset it starts over whenever its last
    // client leaves, and refuses whoever connects meanwhile: a test that
    // looks at the screen between two clients would lose the next one.
    process_.start(server, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"});
    while (process_.waitForReadyRead(kServerStartWait)) {
        const QByteArray output = process_.readAllStandardOutput();
        number_ += output;
        if (output.contains('\n')) {
            return;
        }
    }
    problem_ = "Xvfb did not start: " + process_.readAllStandardError();
}

VirtualDisplay::~VirtualDisplay()
{
    process_.terminate();
    process_.waitForFinished();
}

}  // namespace qmb
