#pragma once

#include <ostream>

#include "device/device_link.h"
#include "device/emulated_platform.h"
#include "protocol/device_state.h"
#include "protocol/mouse_commands.h"

namespace qmb {

// Follows the mouse until SIGINT or SIGTERM, one line per event. With the
// demo mouse, SIGUSR1 presses its reset combination and SIGUSR2 unplugs it
// or plugs it back in.
int RunWatch(DeviceLink& link, MouseCommands& commands, DeviceState& state, EmulatedPlatform* demoMouse,
             std::ostream& out, std::ostream& err);

}  // namespace qmb
