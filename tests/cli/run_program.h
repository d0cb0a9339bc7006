// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace qmb::test {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// A program started with the given extra environment, its standard output
// and error collected as it runs.
class RunningProgram {
public:
    RunningProgram(const std::string& path, const std::vector<std::string>& args,
                   const std::map<std::string, std::string>& environment = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    pid_t pid() const { return pid_; }
    void Write(const std::string& input);
    void CloseInput();
    void Signal(int signal);
    // Collects output until `text` has appeared `count` times on standard
    // output, or the time is up; true when it did.
    bool WaitForOutput(const std::string& text, int count, std::chrono::milliseconds limit);
    // Waits for the program to end and returns all it wrote.
    ProgramRun Finish();

private:
    // Reads what is there; waits at most `limit` for something.
    void Collect(std::chrono::milliseconds limit);

    pid_t pid_ = -1;
    int input_ = -1;
    int out_ = -1;
    int err_ = -1;
    ProgramRun run_;
};

// Runs a program to its end with `input` on its standard input.
ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& args, const std::string& input = {},
                      const std::map<std::string, std::string>& environment = {});

}  // namespace qmb::test
