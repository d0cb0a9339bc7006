// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <ostream>

#include "cli/ctl_session.h"
#include "cli/input_lines.h"

namespace qmb {

// Runs one command per line of `lines`, sharing one mouse. The status is
// that of the last line that failed, unless output cannot be written or a
// signal ends a `watch`: then nothing more runs.
int RunScript(InputLines& lines, CtlSession& session, std::ostream& out, std::ostream& err);

// Flushes `out`; false, after saying why, when it could not be written.
bool OutputWritten(std::ostream& out, std::ostream& err);

}  // namespace qmb
