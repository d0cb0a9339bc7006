// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/cli/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstring>

extern char** environ;

namespace qmb::test {

namespace {

struct Pipe {
    int read = -1;
    int write = -1;
    Pipe()
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) == 0) {
            read = fds[0];
            write = fds[1];
        }
    }
};

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (auto& text : strings) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

void CloseOnce(int& fd)
{
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

}  // namespace

RunningProgram::RunningProgram(const std::string& path, const std::vector<std::string>& args,
                               const std::map<std::string, std::string>& environment)
{
    Pipe in, out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read, 0);
    posix_spawn_file_actions_adddup2(&actions, out.write, 1);
    posix_spawn_file_actions_adddup2(&actions, err.write, 2);

    std::vector<std::string> argStrings{path};
    argStrings.insert(argStrings.end(), args.begin(), args.end());
    std::vector<std::string> envStrings;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (!environment.contains(text.substr(0, text.find('=')))) {
            envStrings.push_back(text);
        }
    }
    for (const auto& [name, value] : environment) {
        envStrings.push_back(name + "=" + value);
    }
    auto argv = Pointers(argStrings);
    auto envp = Pointers(envStrings);
    const int spawned = posix_spawn(&pid_, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(in.read);
    close(out.write);
    close(err.write);
    input_ = in.write;
    out_ = out.read;
    err_ = err.read;
    if (spawned != 0) {
        pid_ = -1;
        run_.err = std::strerror(spawned);
        CloseInput();
    }
}

RunningProgram::~RunningProgram()
{
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    CloseOnce(input_);
    CloseOnce(out_);
    CloseOnce(err_);
}

void RunningProgram::Write(const std::string& input)
{
    if (input_ >= 0 && !input.empty()) {
        [[maybe_unused]] const auto written = write(input_, input.data(), input.size());
    }
}

void RunningProgram::CloseInput()
{
    CloseOnce(input_);
}

void RunningProgram::Signal(int signal)
{
    if (pid_ > 0) {
        kill(pid_, signal);
    }
}

void RunningProgram::Collect(std::chrono::milliseconds limit)
{
    std::array<pollfd, 2> fds{{{out_, POLLIN, 0}, {err_, POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&run_.out, &run_.err};
    std::array<int*, 2> owners{&out_, &err_};
    if (out_ < 0 && err_ < 0) {
        return;
    }
    if (poll(fds.data(), fds.size(), static_cast<int>(limit.count())) <= 0) {
        return;
    }
    for (size_t i = 0; i < fds.size(); ++i) {
        if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) {
            continue;
        }
        std::array<char, 4096> chunk;
        const ssize_t got = read(fds[i].fd, chunk.data(), chunk.size());
        if (got <= 0) {
            CloseOnce(*owners[i]);
        } else {
            sinks[i]->append(chunk.data(), static_cast<size_t>(got));
        }
    }
}

bool RunningProgram::WaitForOutput(const std::string& text, int count, std::chrono::milliseconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (Occurrences(run_.out, text) < static_cast<size_t>(count)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || (out_ < 0 && err_ < 0)) {
            return false;
        }
        Collect(left);
    }
    return true;
}

ProgramRun RunningProgram::Finish()
{
    CloseInput();
    while (out_ >= 0 || err_ >= 0) {
        Collect(std::chrono::milliseconds(-1));
    }
    if (pid_ > 0) {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        run_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    return run_;
}

ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& args, const std::string& input,
                      const std::map<std::string, std::string>& environment)
{
    RunningProgram program(path, args, environment);
    program.Write(input);
    return program.Finish();
}

}  // namespace qmb::test
