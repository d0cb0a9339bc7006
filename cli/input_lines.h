// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <span>

#include "cli/locked_buffer.h"

namespace qmb {

// The lines a user gives qmbctl on standard input, commands and secrets
// alike. They are read with read(2) into a locked buffer of ours that is
// overwritten as each line is taken: no stdio or iostream buffer ever holds
// a secret that came in on them.
class InputLines {
public:
    // No command comes near this; a longer line is junk.
    static constexpr size_t kLongestLine = 64 * 1024;

    enum class Read { Line, TooLong, End };
    // Reads what is there into the span, as read(2) does: the count, 0 at
    // the end of input, -1 on an error.
    using Source = std::function<ssize_t(std::span<char>)>;

    explicit InputLines(int fd);
    explicit InputLines(Source source);

    // The next line without its newline, into `line` and `length`. A line
    // longer than `line` is read to its end but not kept (TooLong). The last
    // line may lack its newline.
    Read Next(std::span<char> line, size_t& length);
    // The number of the line Next gave last, counting from 1.
    size_t lineNumber() const { return lineNumber_; }

private:
    // Takes the first `count` bytes out of the buffer, overwriting what
    // they leave behind.
    void Consume(size_t count);

    Source source_;
    LockedBuffer buffer_{kLongestLine};
    size_t filled_ = 0;
    size_t lineNumber_ = 0;
};

}  // namespace qmb
