#pragma once

#include <array>
#include <cstdint>

namespace qmb {

// The last known state of the mouse, all zero at start. Only the UI thread
// (in the command-line tool, the main thread) reads and writes it.
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
    std::array<uint8_t, 12> passwordUsages{};
    std::array<uint8_t, 6> shortPasswordUsages{};
    std::array<uint8_t, 12> siteIdUsages{};
    std::array<uint8_t, 12> sitePasswordUsages{};
    int32_t siteComplete = 0;
};

enum class Mode : uint8_t { Button = 1, Function = 2 };

}  // namespace qmb
