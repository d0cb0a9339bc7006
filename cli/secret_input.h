// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <ostream>
#include <string_view>

namespace qmb {

// A line typed as a secret, kept in a fixed buffer of its own (no heap
// copies while it is read) and overwritten when it goes.
class SecretLine {
public:
    static constexpr size_t kLongest = 64;

    SecretLine() = default;
    ~SecretLine();
    SecretLine(const SecretLine&) = delete;
    SecretLine& operator=(const SecretLine&) = delete;

    std::string_view text() const { return {bytes_.data(), length_}; }
    // More was typed than the buffer keeps: the line is refused whole.
    bool tooLong() const { return tooLong_; }

    // The next line of `in`; false at the end of input.
    bool ReadFrom(std::istream& in);

private:
    std::array<char, kLongest> bytes_{};
    size_t length_ = 0;
    bool tooLong_ = false;
};

// Where qmbctl takes secrets from: the terminal, without echo, after a
// prompt on standard error; or, when standard input is not a terminal or a
// script runs, the next line of standard input. Never the command line or
// the environment, which other users can read.
class SecretInput {
public:
    SecretInput(std::istream& in, std::ostream& prompts, bool fromTerminal);

    bool fromTerminal() const { return fromTerminal_; }
    // False when no line came.
    bool Read(std::string_view prompt, SecretLine& line);

private:
    std::istream& in_;
    std::ostream& prompts_;
    bool fromTerminal_;
};

}  // namespace qmb
