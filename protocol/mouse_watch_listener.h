// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <span>

#include "device/device_watcher.h"
#include "protocol/state_keeper.h"

namespace qmb {

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
