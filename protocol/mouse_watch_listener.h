#pragma once

#include <cstdint>
#include <span>

#include "device/device_watcher.h"
#include "protocol/device_state.h"

namespace qmb {

// The fields a StatusReport polled by the watcher carries into the state;
// the auto-click target is not among them: only replies to commands and a
// reset carry it.
struct PolledStatus {
    uint8_t mode = 0;
    uint8_t resolution = 0;
    uint8_t reportInterval = 0;
    int32_t autoClickOn = 0;
    int32_t siteModeOn = 0;
};

void TakePolledStatus(DeviceState& state, const PolledStatus& status);

// What the watcher's reports mean for the window: a StatusReport of the
// status collection gives its state, and the reset pattern (the factory
// defaults, which the mouse sends after a reset) a reset first. Anything
// else the mouse sends there is dropped.
class MouseWatchListener : public DeviceWatcherListener {
public:
    virtual void OnStatusPolled(const PolledStatus& status) = 0;
    virtual void OnDeviceReset(std::span<const uint8_t> report) = 0;
    virtual void OnDeviceStateChanged() = 0;

    void OnReportPolled(std::span<const uint8_t> report) final;

protected:
    ~MouseWatchListener() = default;
};

}  // namespace qmb
