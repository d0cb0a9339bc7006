// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>

#include "protocol/command_reply.h"
#include "protocol/reports.h"

namespace qmb {

// The last known state of the mouse, all zero at start: what the program
// shows. Only the UI thread (in the command-line tool, the main thread)
// touches it, and only the StateKeeper writes it: from the mouse's replies,
// and the user's choices the user actions keep. No secret is ever kept
// here.
struct DeviceState {
    uint8_t mode = 0;  // 1 button mode, 2 function mode
    uint8_t resolution = 0;
    uint8_t reportInterval = 0;  // 0..7 for 1..8 msec
    int32_t autoClickOn = 0;
    int32_t siteModeOn = 0;
    uint8_t autoClickTarget = 0;  // 1 right button, 2 button 4, 4 button 5
    uint8_t runCount = 0;
    uint8_t clickOnTime = 0;
    uint8_t clickOffTime = 0;
    uint8_t runCycle = 0;
    int32_t useRunCycle = 0;
    uint8_t sequenceMode = 0;
    uint8_t applyButton = 0;
    std::array<uint8_t, 5> buttonMap{};
    std::array<uint8_t, 3> functionKey{};  // kind, modifier, usage
    int32_t mousePasswordMode = 0;
    int32_t shortPasswordMode = 0;
    int32_t mousePasswordEnrolled = 0;
    uint8_t siteIndex = 0;
    uint8_t siteIdSlot = 0;
    uint8_t sitePasswordSlot = 0;
    int32_t siteIdAssigned = 0;
    int32_t sitePasswordAssigned = 0;
    int32_t siteComplete = 0;
    // The mouse has told its mode: the status fields are its own, not
    // zeros or only what the user chose since.
    bool statusKnown = false;
};

// The six fields a status write sends, as the state holds them.
inline StatusFields StatusOf(const DeviceState& state)
{
    return {state.mode, state.resolution, state.reportInterval, state.autoClickOn, state.siteModeOn,
            state.autoClickTarget};
}

enum class Mode : uint8_t { Button = 1, Function = 2 };

// The sequence record, as the state holds it.
inline SequenceRecord SequenceOf(const DeviceState& state)
{
    return {state.runCount,    state.clickOnTime,  state.clickOffTime, state.runCycle,
            state.useRunCycle, state.sequenceMode, state.applyButton};
}

}  // namespace qmb
