#include "tests/cli/run_program.h"

#include <fcntl.h>
#include <poll.h>
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

}  // namespace

ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& args, const std::string& input,
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
    std::vector<char*> argv;
    for (auto& arg : argStrings) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    std::vector<std::string> envStrings;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto name = entry.substr(0, entry.find('='));
        if (!environment.contains(name)) {
            envStrings.push_back(entry);
        }
    }
    for (const auto& [name, value] : environment) {
        envStrings.push_back(name + "=" + value);
    }
    std::vector<char*> envp;
    for (auto& entry : envStrings) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);

    pid_t pid = -1;
    ProgramRun run;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(in.read);
    close(out.write);
    close(err.write);
    if (spawned != 0) {
        close(in.write);
        close(out.read);
        close(err.read);
        run.err = std::strerror(spawned);
        return run;
    }
    if (!input.empty()) {
        [[maybe_unused]] const auto written = write(in.write, input.data(), input.size());
    }
    close(in.write);

    std::array<pollfd, 2> fds{{{out.read, POLLIN, 0}, {err.read, POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&run.out, &run.err};
    int openStreams = 2;
    while (openStreams > 0 && poll(fds.data(), fds.size(), -1) > 0) {
        for (size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) {
                continue;
            }
            std::array<char, 4096> chunk;
            const ssize_t got = read(fds[i].fd, chunk.data(), chunk.size());
            if (got <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --openStreams;
            } else {
                sinks[i]->append(chunk.data(), static_cast<size_t>(got));
            }
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

}  // namespace qmb::test
