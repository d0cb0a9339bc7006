// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <istream>
#include <ostream>
#include <string>

#include "cli/ctl_session.h"

namespace qmb {

// No command comes near this; a longer line is junk and is refused without
// being held whole.
inline constexpr size_t kLongestScriptLine = 64 * 1024;

enum class ScriptLine { Read, TooLong, End };

// The next line of `in` without its newline. A line longer than
// kLongestScriptLine is read to its end but not kept.
ScriptLine ReadScriptLine(std::istream& in, std::string& line);

// Runs one command per line of `in`, sharing one mouse. The status is that
// of the last line that failed, unless output cannot be written or a signal
// ends a `watch`: then nothing more runs.
int RunScript(std::istream& in, CtlSession& session, std::ostream& out, std::ostream& err);

// Flushes `out`; false, after saying why, when it could not be written.
bool OutputWritten(std::ostream& out, std::ostream& err);

}  // namespace qmb
