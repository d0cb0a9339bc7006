// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>

#include "actions/action_result.h"
#include "protocol/command_reply.h"
#include "protocol/device_session.h"

namespace qmb {

// The auto-click target (part of the mouse's state) and then the sequence
// record, into the session's state: what the sequence settings show.
ActionResult ReadSequence(DeviceSession& session);

// Writes the sequence record, then the state with `target` as the
// auto-click target (the target kept as it is when none is given).
ActionResult SaveSequence(DeviceSession& session, std::optional<uint8_t> target, const SequenceRecord& record);

}  // namespace qmb
