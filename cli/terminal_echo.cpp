// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/terminal_echo.h"

#include <signal.h>
#include <termios.h>

#include <array>

namespace qmb {

namespace {

// What the signal handlers need; only ever one EchoOff lives.
int terminalFd = -1;
termios withEcho{};
termios withoutEcho{};
bool active = false;

constexpr std::array<int, 3> kEndingSignals{SIGINT, SIGTERM, SIGQUIT};
std::array<struct sigaction, kEndingSignals.size()> savedEnding{};
struct sigaction savedStop {};

// tcsetattr and raise may be called from a signal handler.
void OnEndingSignal(int signal)
{
    tcsetattr(terminalFd, TCSANOW, &withEcho);
    // The handler was reset as it ran: the signal now does what it always
    // does.
    raise(signal);
}

void OnStop(int)
{
    tcsetattr(terminalFd, TCSANOW, &withEcho);
    raise(SIGSTOP);
    // Continued: the secret is still being typed.
    tcsetattr(terminalFd, TCSANOW, &withoutEcho);
}

}  // namespace

EchoOff::EchoOff(int terminal)
{
    if (active || tcgetattr(terminal, &withEcho) != 0) {
        return;
    }
    terminalFd = terminal;
    active = true;
    owns_ = true;
    withoutEcho = withEcho;
    withoutEcho.c_lflag &= static_cast<tcflag_t>(~ECHO);
    withoutEcho.c_lflag |= ECHONL;

    struct sigaction ending {};
    ending.sa_handler = OnEndingSignal;
    ending.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&ending.sa_mask);
    for (size_t i = 0; i < kEndingSignals.size(); ++i) {
        sigaction(kEndingSignals[i], &ending, &savedEnding[i]);
    }
    struct sigaction stop {};
    stop.sa_handler = OnStop;
    stop.sa_flags = SA_RESTART;
    sigemptyset(&stop.sa_mask);
    sigaction(SIGTSTP, &stop, &savedStop);

    tcsetattr(terminalFd, TCSAFLUSH, &withoutEcho);
}

EchoOff::~EchoOff()
{
    if (!owns_) {
        return;
    }
    tcsetattr(terminalFd, TCSAFLUSH, &withEcho);
    for (size_t i = 0; i < kEndingSignals.size(); ++i) {
        sigaction(kEndingSignals[i], &savedEnding[i], nullptr);
    }
    sigaction(SIGTSTP, &savedStop, nullptr);
    active = false;
}

}  // namespace qmb
