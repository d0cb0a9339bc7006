// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

namespace qmb {

// The terminal's echo off while a secret is typed on it. However the wait
// ends, the terminal gets its echo back: the line, its end, Ctrl+C,
// SIGTERM, Ctrl+\ (which would otherwise leave a shell without echo). Ctrl+Z
// gives the echo back for as long as the program is stopped and takes it
// away again when it continues. One at a time.
class EchoOff {
public:
    explicit EchoOff(int terminal);
    ~EchoOff();
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    bool owns_ = false;
};

}  // namespace qmb
