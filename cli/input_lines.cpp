// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/input_lines.h"

#include <string.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qmb {

InputLines::InputLines(int fd)
    : InputLines([fd](std::span<char> into) -> ssize_t {
          ssize_t count;
          do {
              count = read(fd, into.data(), into.size());
          } while (count < 0 && errno == EINTR);
          return count;
      })
{
}

InputLines::InputLines(Source source) : source_(std::move(source)) {}

void InputLines::Consume(size_t count)
{
    std::span<char> bytes = buffer_.bytes();
    std::memmove(bytes.data(), bytes.data() + count, filled_ - count);
    explicit_bzero(bytes.data() + filled_ - count, count);
    filled_ -= count;
}

InputLines::Read InputLines::Next(std::span<char> line, size_t& length)
{
    length = 0;
    bool tooLong = false;
    std::span<char> bytes = buffer_.bytes();
    for (;;) {
        const char* newline = static_cast<const char*>(std::memchr(bytes.data(), '\n', filled_));
        const size_t end = newline ? static_cast<size_t>(newline - bytes.data()) : filled_;
        if (newline) {
            tooLong = tooLong || end > line.size();
            if (!tooLong) {
                std::copy_n(bytes.data(), end, line.data());
                length = end;
            }
            Consume(end + 1);
            ++lineNumber_;
            return tooLong ? Read::TooLong : Read::Line;
        }
        if (filled_ == bytes.size()) {
            // A line longer than the buffer: what came of it so far goes.
            tooLong = true;
            Consume(filled_);
        }
        const ssize_t count = source_(bytes.subspan(filled_));
        if (count <= 0) {
            break;
        }
        filled_ += static_cast<size_t>(count);
    }
    // The end of input, the last line without its newline.
    if (filled_ == 0) {
        lineNumber_ += tooLong ? 1 : 0;
        return tooLong ? Read::TooLong : Read::End;
    }
    tooLong = tooLong || filled_ > line.size();
    if (!tooLong) {
        std::copy_n(bytes.data(), filled_, line.data());
        length = filled_;
    }
    Consume(filled_);
    ++lineNumber_;
    return tooLong ? Read::TooLong : Read::Line;
}

}  // namespace qmb
