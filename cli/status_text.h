// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

#include "protocol/device_state.h"

namespace qmb {

// The mouse's status as `qmbctl status` prints it: a few aligned lines for
// people, or one JSON object for scripts.
std::string StatusText(const DeviceState& state, int modelNumber);
std::string StatusJson(const DeviceState& state, int modelNumber);
// All of it on one line, for `qmbctl watch`.
std::string StatusLine(const DeviceState& state, int modelNumber);

}  // namespace qmb
