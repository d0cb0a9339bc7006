// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

namespace qmb::test {

// A program on a terminal of its own, as a user at a shell would run it:
// keys typed in, what the terminal shows read back, its modes looked at.
class PtyProgram {
public:
    PtyProgram(const std::string& path, const std::vector<std::string>& args,
               const std::map<std::string, std::string>& environment);
    ~PtyProgram();
    PtyProgram(const PtyProgram&) = delete;
    PtyProgram& operator=(const PtyProgram&) = delete;

    // Keys as the terminal gets them: "\x03" is Ctrl+C, "\x1a" Ctrl+Z.
    void Type(const std::string& keys);
    void Signal(int signal);
    // What the terminal has shown until `text` appears, or the time is up;
    // true when it did.
    bool WaitFor(const std::string& text, std::chrono::milliseconds limit);
    const std::string& screen() const { return screen_; }
    // Whether the terminal echoes what is typed; waits up to `limit` for it
    // to be `wanted`, and says what it is then.
    bool Echoes(bool wanted, std::chrono::milliseconds limit) const;
    // Waits until the program stops (Ctrl+Z) or ends; true when it did.
    bool WaitStopped(std::chrono::milliseconds limit);
    // The program's end: its exit code, or 128 + the signal that ended it.
    int Finish(std::chrono::milliseconds limit);

private:
    void Collect(std::chrono::milliseconds limit);

    pid_t pid_ = -1;
    int master_ = -1;
    // Held open so that the terminal's modes outlive the program.
    int slave_ = -1;
    std::string screen_;
};

}  // namespace qmb::test
