// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/secret_input.h"

#include <string.h>
#include <termios.h>
#include <unistd.h>

namespace qmb {

namespace {

// Echo off on the terminal for as long as it lives.
class EchoOff {
public:
    EchoOff() : active_(tcgetattr(STDIN_FILENO, &saved_) == 0)
    {
        if (active_) {
            termios quiet = saved_;
            quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
            quiet.c_lflag |= ECHONL;
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
        }
    }
    ~EchoOff()
    {
        if (active_) {
            tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
        }
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    termios saved_{};
    bool active_;
};

}  // namespace

SecretLine::~SecretLine()
{
    explicit_bzero(bytes_.data(), bytes_.size());
}

bool SecretLine::ReadFrom(std::istream& in)
{
    explicit_bzero(bytes_.data(), bytes_.size());
    length_ = 0;
    tooLong_ = false;
    bool any = false;
    for (char c; in.get(c);) {
        any = true;
        if (c == '\n') {
            return true;
        }
        if (length_ < bytes_.size()) {
            bytes_[length_++] = c;
        } else {
            tooLong_ = true;
        }
    }
    return any;
}

SecretInput::SecretInput(std::istream& in, std::ostream& prompts, bool fromTerminal)
    : in_(in), prompts_(prompts), fromTerminal_(fromTerminal)
{
}

bool SecretInput::Read(std::string_view prompt, SecretLine& line)
{
    if (!fromTerminal_) {
        return line.ReadFrom(in_);
    }
    prompts_ << prompt << std::flush;
    EchoOff quiet;
    return line.ReadFrom(in_);
}

}  // namespace qmb
