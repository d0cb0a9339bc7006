// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/quit_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace qmb {

namespace {

constexpr int kQuitSignals[] = {SIGTERM, SIGINT, SIGHUP};

int writeEnd = -1;

void WriteSignalToPipe(int signal)
{
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signal);
    // A full pipe already holds a request to quit.
    [[maybe_unused]] const auto written = write(writeEnd, &number, 1);
    errno = savedErrno;
}

}  // namespace

QuitSignals::QuitSignals()
{
    int ends[2];
    if (pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readEnd_ = ends[0];
    writeEnd = ends[1];
    readable_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(readable_, &QSocketNotifier::activated, this, &QuitSignals::TakeSignals);

    struct sigaction action {};
    action.sa_handler = WriteSignalToPipe;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kQuitSignals) {
        sigaction(signal, &action, nullptr);
    }
}

QuitSignals::~QuitSignals()
{
    if (readEnd_ < 0) {
        return;
    }
    for (int signal : kQuitSignals) {
        ::signal(signal, SIG_DFL);
    }
    close(writeEnd);
    writeEnd = -1;
    close(readEnd_);
}

void QuitSignals::TakeSignals()
{
    unsigned char number = 0;
    bool any = false;
    while (read(readEnd_, &number, 1) == 1) {
        any = true;
    }
    if (any) {
        emit quitRequested();
    }
}

}  // namespace qmb
