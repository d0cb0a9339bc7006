// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "actions/action_result.h"

namespace qmb {

// The red notice that tells, in the dialog's language, why what the user
// asked of the mouse did not happen; nothing for a result that went well.
// Input faults and a full mouse are told by the dialogs in their own words.
void ShowResultNotice(ActionResult result);

}  // namespace qmb
