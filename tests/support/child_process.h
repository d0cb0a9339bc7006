// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace qmb::test {

// A program that a check or a benchmark runs. Its standard output goes to a
// pipe for the caller to read, or nowhere; its standard error nowhere. It is
// ended with SIGTERM when the object goes, if it still runs.
class ChildProcess {
public:
    enum class Output { Discarded, Piped };

    ChildProcess(std::vector<std::string> args, Output output);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    // The read end of its standard output; -1 when discarded.
    int output() const { return output_; }
    // Sends `signal` and waits for the end; the wait status.
    int Stop(int signal);

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

}  // namespace qmb::test
