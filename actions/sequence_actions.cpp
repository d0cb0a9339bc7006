// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "actions/sequence_actions.h"

#include "actions/status_actions.h"

namespace qmb {

ActionResult ReadSequence(DeviceSession& session)
{
    const ActionResult status = ReadStatus(session);
    return FirstFailure(status, ResultOf(session.keeper.Take(session.commands.QuerySequence())));
}

ActionResult SaveSequence(DeviceSession& session, std::optional<uint8_t> target, const SequenceRecord& record)
{
    session.keeper.Keep(record);
    const ActionResult saved = ResultOf(session.keeper.Take(session.commands.WriteSequence(record)));
    return FirstFailure(saved, ChangeStatus(session, {.autoClickTarget = target}));
}

}  // namespace qmb
