// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/reply.h"

#include <algorithm>

namespace qmb::emu {

Report MakeReply(uint8_t reportId, uint8_t code, std::span<const uint8_t> data) {
    Report reply(ReportLength(reportId), 0);
    reply[0] = reportId;
    reply[1] = code;
    const size_t room = reply.size() - 3;
    std::copy_n(data.begin(), std::min(data.size(), room), reply.begin() + 2);
    return reply;
}

}  // namespace qmb::emu
