// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <ostream>
#include <string>

#include "protocol/device_session.h"
#include "protocol/mouse_watch_listener.h"

namespace qmb {

// `qmbctl watch`'s side of the watcher: one line for each thing that
// happens to the mouse.
class WatchListener : public MouseWatchListener {
public:
    WatchListener(DeviceSession& session, std::ostream& out);

    void OnDeviceDetected() override;
    void OnStatusPolled(const PolledStatus& status) override;
    void OnDeviceReset(std::span<const uint8_t> report) override;
    void OnDeviceStateChanged() override;
    void OnStateOverheard() override;
    void OnDeviceLost() override;

    // Asks the mouse directly, as after a USB removal; true when it is there.
    bool Probe();
    bool present() const { return present_; }

private:
    void Say(const std::string& line);

    DeviceSession& session_;
    std::ostream& out_;
    bool present_ = false;
    bool resetSeen_ = false;
    std::string lastStatus_;
};

}  // namespace qmb
