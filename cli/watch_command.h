// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>
#include <ostream>

#include "protocol/device_session.h"

namespace qmb {

// What SIGUSR1 and SIGUSR2 do while `watch` runs; the demo mouse gives
// them its reset and its plug. A signal without an action is ignored.
struct WatchSignals {
    std::function<void()> user1;
    std::function<void()> user2;
};

// Follows the mouse until SIGINT or SIGTERM, one line per event; the signal
// that ended it.
int RunWatch(DeviceSession& mouse, const WatchSignals& signalActions, std::ostream& out);

}  // namespace qmb
