// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/cli/pty_program.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <thread>

namespace qmb::test {

PtyProgram::PtyProgram(const std::string& path, const std::vector<std::string>& args,
                       const std::map<std::string, std::string>& environment)
{
    pid_ = forkpty(&master_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
        for (const auto& [name, value] : environment) {
            setenv(name.c_str(), value.c_str(), 1);
        }
        std::vector<char*> argv{const_cast<char*>(path.c_str())};
        for (const auto& arg : args) {
            argv.push_back(const_cast<char*>(arg.c_str()));
        }
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    if (pid_ > 0) {
        slave_ = open(ptsname(master_), O_RDWR | O_NOCTTY | O_CLOEXEC);
    }
}

PtyProgram::~PtyProgram()
{
    if (pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    close(master_);
    close(slave_);
}

void PtyProgram::Type(const std::string& keys)
{
    // One key at a time, as typed: the program sees each as it comes.
    for (const char key : keys) {
        if (write(master_, &key, 1) != 1) {
            return;
        }
        Collect(std::chrono::milliseconds(5));
    }
}

void PtyProgram::Signal(int signal)
{
    kill(pid_, signal);
}

void PtyProgram::Collect(std::chrono::milliseconds limit)
{
    pollfd readable{master_, POLLIN, 0};
    while (poll(&readable, 1, static_cast<int>(limit.count())) > 0 && (readable.revents & POLLIN)) {
        std::array<char, 512> bytes{};
        const ssize_t count = read(master_, bytes.data(), bytes.size());
        if (count <= 0) {
            return;
        }
        screen_.append(bytes.data(), static_cast<size_t>(count));
        limit = std::chrono::milliseconds(0);
    }
}

bool PtyProgram::WaitFor(const std::string& text, std::chrono::milliseconds limit)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    while (screen_.find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        Collect(std::chrono::milliseconds(20));
    }
    return true;
}

bool PtyProgram::Echoes(bool wanted, std::chrono::milliseconds limit) const
{
    const auto until = std::chrono::steady_clock::now() + limit;
    for (;;) {
        termios modes{};
        const bool echoes = tcgetattr(slave_, &modes) == 0 && (modes.c_lflag & ECHO) != 0;
        if (echoes == wanted || std::chrono::steady_clock::now() >= until) {
            return echoes;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

bool PtyProgram::WaitStopped(std::chrono::milliseconds limit)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG | WUNTRACED) == 0) {
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFSTOPPED(status);
}

int PtyProgram::Finish(std::chrono::milliseconds limit)
{
    const auto until = std::chrono::steady_clock::now() + limit;
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(pid_, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < until) {
        Collect(std::chrono::milliseconds(20));
    }
    Collect(std::chrono::milliseconds(0));
    if (ended != pid_) {
        return -1;
    }
    pid_ = -1;
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

}  // namespace qmb::test
