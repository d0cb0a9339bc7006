// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/watch_listener.h"

#include "actions/status_actions.h"
#include "cli/status_text.h"
#include "protocol/reports.h"

namespace qmb {

WatchListener::WatchListener(DeviceSession& session, std::ostream& out) : session_(session), out_(out) {}

void WatchListener::Say(const std::string& line)
{
    out_ << line << std::endl;
}

void WatchListener::OnDeviceDetected()
{
    if (ReadStatus(session_) != ActionResult::Done) {
        return;
    }
    lastStatus_ = StatusLine(session_.state, session_.modelNumber);
    if (!present_) {
        present_ = true;
        Say("mouse found: " + lastStatus_);
    }
}

void WatchListener::OnStatusPolled(const PolledStatus& status)
{
    session_.keeper.TakePolledStatus(status);
}

void WatchListener::OnDeviceReset(std::span<const uint8_t> report)
{
    session_.keeper.TakeResetStatus(StatusFields::Decode(report));
    resetSeen_ = true;
}

void WatchListener::OnDeviceStateChanged()
{
    present_ = true;
    lastStatus_ = StatusLine(session_.state, session_.modelNumber);
    Say((resetSeen_ ? "reset to defaults: " : "status: ") + lastStatus_);
    resetSeen_ = false;
}

void WatchListener::OnStateOverheard()
{
    // Another program asking is no news; only a state it learned first is.
    const std::string status = StatusLine(session_.state, session_.modelNumber);
    if (status != lastStatus_) {
        lastStatus_ = status;
        Say("status: " + status);
    }
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
    if (!MouseReached(ReadStatus(session_))) {
        OnDeviceLost();
        return false;
    }
    const auto status = StatusLine(session_.state, session_.modelNumber);
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
