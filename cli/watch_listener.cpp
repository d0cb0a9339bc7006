#include "cli/watch_listener.h"

#include "cli/status_text.h"
#include "protocol/reports.h"

namespace qmb {

WatchListener::WatchListener(MouseCommands& commands, StateKeeper& keeper, DeviceState& state, int modelNumber,
                             std::ostream& out)
    : commands_(commands), keeper_(keeper), state_(state), modelNumber_(modelNumber), out_(out)
{
}

void WatchListener::Say(const std::string& line)
{
    out_ << line << std::endl;
}

void WatchListener::OnDeviceDetected()
{
    if (!keeper_.Take(commands_.QueryStatus()).ok() || state_.mode == 0) {
        return;
    }
    lastStatus_ = StatusLine(state_, modelNumber_);
    if (!present_) {
        present_ = true;
        Say("mouse found: " + lastStatus_);
    }
}

void WatchListener::OnStatusPolled(const PolledStatus& status)
{
    keeper_.TakePolledStatus(status);
}

void WatchListener::OnDeviceReset(std::span<const uint8_t> report)
{
    keeper_.TakeResetStatus(StatusFields::Decode(report));
    resetSeen_ = true;
}

void WatchListener::OnDeviceStateChanged()
{
    present_ = true;
    lastStatus_ = StatusLine(state_, modelNumber_);
    Say((resetSeen_ ? "reset to defaults: " : "status: ") + lastStatus_);
    resetSeen_ = false;
}

void WatchListener::OnDeviceLost()
{
    if (present_) {
        present_ = false;
        Say("mouse gone");
    }
}

bool WatchListener::Probe()
{
    if (!keeper_.Take(commands_.QueryStatus()).ok()) {
        OnDeviceLost();
        return false;
    }
    const auto status = StatusLine(state_, modelNumber_);
    if (!present_) {
        present_ = true;
        Say("mouse found: " + status);
    } else if (status != lastStatus_) {
        Say("status: " + status);
    }
    lastStatus_ = status;
    return true;
}

}  // namespace qmb
