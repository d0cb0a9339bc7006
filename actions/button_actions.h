// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "actions/action_result.h"
#include "protocol/command_reply.h"
#include "protocol/device_session.h"

namespace qmb {

// What each of the five buttons acts as, into the session's state.
ActionResult ReadButtonMap(DeviceSession& session);

// Saves the map the buttons act by, then asks the mouse to work in button
// mode, whether or not it took the map. A model without a 4th and 5th
// button keeps theirs as the mouse holds them.
ActionResult SaveButtonMap(DeviceSession& session, ButtonMap map);

// The function an input (an entry of kFunctionInputs) sends, into the
// session's state.
ActionResult ReadFunctionKey(DeviceSession& session, int input);

// Gives an input the function of a FunctionKeyTable row (none for an
// entry past the table: the input's ordinary function), then asks the
// mouse to work in function mode, whether or not it took the function.
ActionResult SaveFunctionKey(DeviceSession& session, int input, int row);

}  // namespace qmb
