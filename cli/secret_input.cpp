// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/secret_input.h"

#include <string.h>

#include "cli/terminal_echo.h"

namespace qmb {

bool SecretLine::ReadFrom(InputLines& lines)
{
    explicit_bzero(bytes_.bytes().data(), bytes_.bytes().size());
    length_ = 0;
    const InputLines::Read read = lines.Next(bytes_.bytes(), length_);
    tooLong_ = read == InputLines::Read::TooLong;
    return read != InputLines::Read::End;
}

SecretInput::SecretInput(InputLines& lines, std::ostream& prompts, int terminal)
    : lines_(lines), prompts_(prompts), terminal_(terminal)
{
}

bool SecretInput::Read(std::string_view prompt, SecretLine& line)
{
    KeepSecretsFromOtherProcesses();
    ++linesRead_;
    if (!fromTerminal()) {
        return line.ReadFrom(lines_);
    }
    // Quiet before the prompt shows: what is typed after it never echoes.
    const EchoOff quiet(terminal_);
    prompts_ << prompt << std::flush;
    return line.ReadFrom(lines_);
}

}  // namespace qmb
