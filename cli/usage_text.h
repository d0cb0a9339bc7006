// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qmb {

// What `qmbctl --help` prints: the usage, the options and the exit statuses.
std::string CtlHelp();

// What `qmbctl COMMAND --help` prints: the usage lines of that command; none
// for a command qmbctl does not have.
std::optional<std::string> CommandHelp(std::string_view command);

// Answers --help (given before the command, or anywhere after it) and
// --version on `out`, before any mouse is looked for; the exit status, or
// none when the command line asks for neither.
std::optional<int> AnswerHelpOrVersion(bool help, bool version, const std::vector<std::string>& command,
                                       std::ostream& out, std::ostream& err);

}  // namespace qmb
