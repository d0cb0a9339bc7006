// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "actions/action_result.h"
#include "protocol/device_session.h"

namespace qmb {

// One report as given, for those who speak to the mouse directly, and the
// reply it brought.
ActionValue<std::vector<uint8_t>> SendRawReport(DeviceSession& session, std::span<const uint8_t> report);

}  // namespace qmb
