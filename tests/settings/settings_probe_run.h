// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace qmb::test {

struct ProbeRun {
    bool finished = false;
    QString output;
    QString errors;
};

// Runs settings calls (see settings_probe.cpp) in a child process with this
// process's environment: a call that hangs fails the test instead of
// stopping the run, and what a program tells only once per process starts
// afresh.
inline ProbeRun Probe(const QStringList& calls)
{
    QProcess probe;
    probe.start(QStringLiteral(QMB_SETTINGS_PROBE), calls);
    ProbeRun run;
    run.finished = probe.waitForFinished(10'000);
    if (!run.finished) {
        probe.kill();
        probe.waitForFinished();
    }
    run.output = QString::fromUtf8(probe.readAllStandardOutput());
    run.errors = QString::fromUtf8(probe.readAllStandardError());
    return run;
}

}  // namespace qmb::test
