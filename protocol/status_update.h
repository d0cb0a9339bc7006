#pragma once

#include <span>

#include "device/device_watcher.h"
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

// A StatusReport the watcher polled: five fields, never the auto-click
// target, which only replies to commands and a reset carry.
inline void TakePolledStatus(DeviceState& state, const PolledStatus& status)
{
    state.mode = status.mode;
    state.resolution = status.resolution;
    state.reportInterval = status.reportInterval;
    state.autoClickOn = status.autoClickOn;
    state.siteModeOn = status.siteModeOn;
}

}  // namespace qmb
