#pragma once

#include <functional>
#include <ostream>

#include "device/device_link.h"
#include "protocol/device_state.h"
#include "protocol/mouse_commands.h"
#include "protocol/state_keeper.h"

namespace qmb {

// What SIGUSR1 and SIGUSR2 do while `watch` runs; the demo mouse gives
// them its reset and its plug. A signal without an action is ignored.
struct WatchSignals {
    std::function<void()> user1;
    std::function<void()> user2;
};

// The mouse as `watch` follows it.
struct WatchedMouse {
    HidPlatform& platform;
    DeviceLink& link;
    MouseCommands& commands;
    StateKeeper& keeper;
    DeviceState& state;
    int modelNumber;
};

// Follows the mouse until SIGINT or SIGTERM, one line per event.
int RunWatch(const WatchedMouse& mouse, const WatchSignals& signals, std::ostream& out, std::ostream& err);

}  // namespace qmb
