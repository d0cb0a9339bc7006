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
// else the mouse sends there is dropped. Another program's status reply
// gives the state too, but is never a reset: a mouse at its factory
// settings answers every status query with the reset pattern.
class MouseWatchListener : public DeviceWatcherListener {
public:
    virtual void OnStatusPolled(const PolledStatus& status) = 0;
    virtual void OnDeviceReset(std::span<const uint8_t> report) = 0;
    virtual void OnDeviceStateChanged() = 0;
    // The state another program's reply told has been taken in.
    virtual void OnStateOverheard() { OnDeviceStateChanged(); }

    void OnReportPolled(std::span<const uint8_t> report) final;
    void OnReplyOverheard(std::span<const uint8_t> report) final;

protected:
    ~MouseWatchListener() = default;
};

}  // namespace qmb
