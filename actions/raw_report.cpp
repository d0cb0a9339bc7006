// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "actions/raw_report.h"

namespace qmb {

ActionValue<std::vector<uint8_t>> SendRawReport(DeviceSession& session, std::span<const uint8_t> report)
{
    const auto reply = session.keeper.Take(session.commands.SendRaw(report));
    return {ResultOf(reply), reply.value};
}

}  // namespace qmb
