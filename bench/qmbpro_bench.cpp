// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// What the tray program costs: from start to the first status answered, its
// resident memory after 10 s, and its CPU time while idle, with the demo
// mouse present and with no mouse.
//
//   qmbpro_bench [idle seconds]   (default 60; offscreen)

#include <fcntl.h>
#include <sys/stat.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    pid_t pid = -1;
    int trace = -1;
};

Run Start(bool demo, const std::string& home)
{
    int fds[2];
    if (pipe(fds) != 0) {
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> args{QMBPRO_PATH, "--trace"};
    if (demo) {
        args.emplace_back("--demo");
    }
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (home + "/runtime").c_str(), 1);
    Run run;
    posix_spawn(&run.pid, QMBPRO_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    run.trace = fds[0];
    return run;
}

// Milliseconds until the first status reply is traced; -1 if none comes.
double UntilFirstStatus(const Run& run, Clock::time_point started)
{
    std::string seen;
    char chunk[256];
    for (ssize_t got; (got = read(run.trace, chunk, sizeof chunk)) > 0;) {
        seen.append(chunk, static_cast<size_t>(got));
        if (seen.find("< 04 CA") != std::string::npos) {
            return std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        }
    }
    return -1;
}

long ResidentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::atol(line.c_str() + 6);
        }
    }
    return -1;
}

double CpuMilliseconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long ticks = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14 || i == 15) {
            ticks += std::atol(field.c_str());
        }
    }
    return ticks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void Measure(bool demo, int idleSeconds)
{
    char templ[] = "/tmp/qmbpro-bench-XXXXXX";
    const std::string home = mkdtemp(templ);
    mkdir((home + "/runtime").c_str(), 0700);
    const auto started = Clock::now();
    const Run run = Start(demo, home);
    const double firstStatus = demo ? UntilFirstStatus(run, started) : -1;
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const long resident = ResidentKilobytes(run.pid);
    const double cpuBefore = CpuMilliseconds(run.pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const double idleCpu = CpuMilliseconds(run.pid) - cpuBefore;
    kill(run.pid, SIGTERM);
    waitpid(run.pid, nullptr, 0);
    close(run.trace);
    std::printf("%s:\n", demo ? "demo mouse present" : "no mouse");
    if (demo) {
        std::printf("  start to first status answered: %7.1f ms\n", firstStatus);
    }
    std::printf("  resident after 10 s:            %7.1f MB\n", resident / 1024.0);
    std::printf("  CPU over %d s idle:              %7.1f ms (%.3f%% of one core)\n", idleSeconds, idleCpu,
                idleCpu / (idleSeconds * 10.0));
    std::system(("rm -rf " + home).c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    const int idleSeconds = argc > 1 ? std::atoi(argv[1]) : 60;
    Measure(true, idleSeconds);
    Measure(false, idleSeconds);
}
