// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <ostream>
#include <string_view>

#include "cli/input_lines.h"
#include "cli/locked_buffer.h"

namespace qmb {

// A line typed as a secret, kept in locked memory of its own (no heap
// copies while it is read, none in a core dump) and overwritten when it
// goes.
class SecretLine {
public:
    static constexpr size_t kLongest = 64;

    SecretLine() = default;
    SecretLine(const SecretLine&) = delete;
    SecretLine& operator=(const SecretLine&) = delete;

    std::string_view text() const { return {bytes_.bytes().data(), length_}; }
    // More was typed than the buffer keeps: the line is refused whole.
    bool tooLong() const { return tooLong_; }

    // The next line of `lines`; false at the end of input.
    bool ReadFrom(InputLines& lines);

private:
    LockedBuffer bytes_{kLongest};
    size_t length_ = 0;
    bool tooLong_ = false;
};

// Where qmbctl takes secrets from: the next line of standard input, after a
// prompt on standard error and without echo when it is a terminal. Never
// the command line or the environment, which other users can read.
class SecretInput {
public:
    SecretInput(InputLines& lines, std::ostream& prompts, int terminal);

    bool fromTerminal() const { return terminal_ >= 0; }
    // False when no line came.
    bool Read(std::string_view prompt, SecretLine& line);
    // How many secret lines were read so far.
    size_t linesRead() const { return linesRead_; }

private:
    InputLines& lines_;
    std::ostream& prompts_;
    int terminal_;
    size_t linesRead_ = 0;
};

}  // namespace qmb
