#pragma once

#include <span>

#include "protocol/device_state.h"
#include "protocol/reports.h"

namespace qmb {

// The one rule by which a StatusReport's six fields are taken into the state.
inline void TakeStatusReport(DeviceState& state, std::span<const uint8_t> report)
{
    const auto status = StatusReport::Decode(report);
    state.mode = status.mode;
    state.resolution = status.resolution;
    state.reportInterval = status.reportInterval;
    state.autoClickOn = status.autoClickOn;
    state.siteModeOn = status.siteModeOn;
    state.autoClickTarget = status.autoClickTarget;
}

}  // namespace qmb
