// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "actions/action_result.h"

namespace qmb {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNoMouse = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3;
// Output that cannot be written ends the run as a failed exchange does.
inline constexpr int kExitOutputFailed = kExitNoMouse;

// What qmbctl makes of an action's result: its exit status, and the line it
// says on standard error; none where the command says it itself.
struct ResultMessage {
    ActionResult result;
    int exitCode;
    const char* text;
};

const ResultMessage& MessageOf(ActionResult result);

}  // namespace qmb
