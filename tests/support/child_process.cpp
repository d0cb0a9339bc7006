// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace qmb::test {

ChildProcess::ChildProcess(std::vector<std::string> args, Output output)
{
    int pipeFds[2] = {-1, -1};
    if (output == Output::Piped && pipe2(pipeFds, O_CLOEXEC) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (output == Output::Piped) {
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    }
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    if (output == Output::Piped) {
        close(pipeFds[1]);
        output_ = pipeFds[0];
    }
}

ChildProcess::~ChildProcess()
{
    if (running()) {
        Stop(SIGTERM);
    }
    if (output_ >= 0) {
        close(output_);
    }
}

int ChildProcess::Stop(int signal)
{
    int status = -1;
    if (running()) {
        kill(pid_, signal);
        waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    return status;
}

}  // namespace qmb::test
