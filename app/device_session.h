#pragma once

#include "device/device_link.h"
#include "device/emulated_platform.h"
#include "protocol/device_state.h"
#include "protocol/mouse_commands.h"

namespace qmb {

// The link to the mouse and what the program knows of it, for one run.
struct DeviceSession {
    DeviceSession(HidPlatform& hidPlatform, int model, EmulatedPlatform* demo = nullptr)
        : platform(hidPlatform), demoMouse(demo)
    {
        link.modelNumber = model;
    }

    HidPlatform& platform;
    EmulatedPlatform* demoMouse;
    DeviceLink link{platform};
    DeviceState state;
    MouseCommands commands{link, state};
};

}  // namespace qmb
