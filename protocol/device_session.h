// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "device/device_link.h"
#include "protocol/device_state.h"
#include "protocol/model_table.h"
#include "protocol/mouse_commands.h"
#include "protocol/state_keeper.h"

namespace qmb {

// The link to the mouse and what the program knows of it, for one run of
// a program (the tray program, qmbctl): the commands, the state kept from
// their replies, and the model they were made for. The user actions
// (actions/) are what the windows and qmbctl do with it.
struct DeviceSession {
    DeviceSession(HidPlatform& hidPlatform, int model) : platform(hidPlatform), modelNumber(model) {}

    HidPlatform& platform;
    const int modelNumber;
    DeviceLink link{platform, MouseIdentity(modelNumber)};
    DeviceState state;
    MouseCommands commands{link};
    StateKeeper keeper{state};
};

}  // namespace qmb
