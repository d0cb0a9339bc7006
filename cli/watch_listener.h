#pragma once

#include <ostream>
#include <string>

#include "protocol/device_state.h"
#include "protocol/mouse_commands.h"
#include "protocol/mouse_watch_listener.h"
#include "protocol/state_keeper.h"

namespace qmb {

// `qmbctl watch`'s side of the watcher: one line for each thing that
// happens to the mouse.
class WatchListener : public MouseWatchListener {
public:
    WatchListener(MouseCommands& commands, StateKeeper& keeper, DeviceState& state, int modelNumber, std::ostream& out);

    void OnDeviceDetected() override;
    void OnStatusPolled(const PolledStatus& status) override;
    void OnDeviceReset(std::span<const uint8_t> report) override;
    void OnDeviceStateChanged() override;
    void OnDeviceLost() override;

    // Asks the mouse directly, as after a USB removal; true when it is there.
    bool Probe();
    bool present() const { return present_; }

private:
    void Say(const std::string& line);

    MouseCommands& commands_;
    StateKeeper& keeper_;
    DeviceState& state_;
    int modelNumber_;
    std::ostream& out_;
    bool present_ = false;
    bool resetSeen_ = false;
    std::string lastStatus_;
};

}  // namespace qmb
