#include "protocol/state_keeper.h"

namespace qmb {

StateKeeper::StateKeeper(DeviceState& state) : state_(state) {}

void StateKeeper::SetListener(DeviceStateListener* listener)
{
    listener_ = listener;
}

void StateKeeper::TakeStatus(const StatusFields& status)
{
    SetStatusFields(status);
    if (listener_) {
        listener_->OnDeviceStateChanged();
    }
}

void StateKeeper::TakePolledStatus(const PolledStatus& status)
{
    state_.mode = status.mode;
    state_.resolution = status.resolution;
    state_.reportInterval = status.reportInterval;
    state_.autoClickOn = status.autoClickOn;
    state_.siteModeOn = status.siteModeOn;
}

void StateKeeper::TakeResetStatus(const StatusFields& status)
{
    SetStatusFields(status);
}

void StateKeeper::SetStatusFields(const StatusFields& status)
{
    state_.mode = status.mode;
    state_.resolution = status.resolution;
    state_.reportInterval = status.reportInterval;
    state_.autoClickOn = status.autoClickOn;
    state_.siteModeOn = status.siteModeOn;
    state_.autoClickTarget = status.autoClickTarget;
}

void StateKeeper::TakeValue(const Reply<StatusFields>& reply)
{
    if (reply.ok()) {
        TakeStatus(reply.value);
    }
}

void StateKeeper::TakeValue(const Reply<std::optional<StatusFields>>& reply)
{
    if (reply.ok() && reply.value) {
        TakeStatus(*reply.value);
    }
}

void StateKeeper::TakeValue(const Reply<ButtonMap>& reply)
{
    if (reply.ok()) {
        state_.buttonMap = reply.value;
    }
}

void StateKeeper::TakeValue(const Reply<FunctionKey>& reply)
{
    if (reply.ok()) {
        state_.functionKey = reply.value;
    }
}

void StateKeeper::TakeValue(const Reply<SequenceRecord>& reply)
{
    if (!reply.ok()) {
        return;
    }
    state_.runCount = reply.value.runCount;
    state_.clickOnTime = reply.value.clickOnTime;
    state_.clickOffTime = reply.value.clickOffTime;
    state_.runCycle = reply.value.runCycle;
    state_.useRunCycle = reply.value.useRunCycle;
    state_.sequenceMode = reply.value.sequenceMode;
    state_.applyButton = reply.value.applyButton;
}

void StateKeeper::TakeValue(const Reply<PasswordEnrolment>& reply)
{
    // A mouse that cannot be asked counts as one without a password.
    state_.mousePasswordEnrolled = reply.value.enrolled ? 1 : 0;
}

void StateKeeper::TakeValue(const Reply<LockFlags>& reply)
{
    if (!reply.ok()) {
        return;
    }
    state_.mousePasswordMode = reply.value.mousePasswordMode;
    state_.shortPasswordMode = reply.value.shortPasswordMode;
    state_.siteModeOn = reply.value.siteModeOn;
}

void StateKeeper::TakeValue(const Reply<SiteSelection>& reply)
{
    // Cleared whatever happens, so a failed selection is never taken for
    // a complete site.
    state_.siteComplete = 0;
    if (!reply.ok()) {
        return;
    }
    state_.siteIdAssigned = reply.value.idAssigned;
    state_.sitePasswordAssigned = reply.value.passwordAssigned;
    state_.siteComplete = reply.value.complete;
}

}  // namespace qmb
