// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/state_keeper.h"

#include "protocol/site_tables.h"

namespace qmb {

StateKeeper::StateKeeper(DeviceState& state) : state_(state) {}

void StateKeeper::SetListener(DeviceStateListener* listener)
{
    listener_ = listener;
}

void StateKeeper::TakeStatus(const StatusFields& status)
{
    Keep(status);
    NoteModeReported(status.mode);
    if (listener_) {
        listener_->OnDeviceStateChanged();
    }
}

void StateKeeper::TakePolledStatus(const PolledStatus& status)
{
    Keep(StatusFields{status.mode, status.resolution, status.reportInterval, status.autoClickOn, status.siteModeOn,
                     state_.autoClickTarget});
    NoteModeReported(status.mode);
}

void StateKeeper::TakeResetStatus(const StatusFields& status)
{
    Keep(status);
    NoteModeReported(status.mode);
}

void StateKeeper::NoteModeReported(uint8_t mode)
{
    // Mode 0 is no mode: what a reply that never came decodes to.
    state_.statusKnown = mode != 0;
}

void StateKeeper::KeepChosenSite(uint8_t siteIndex)
{
    // Every site command finds its address by the index.
    if (siteIndex < SiteTable.size()) {
        state_.siteIndex = siteIndex;
    }
}

void StateKeeper::TakeSiteSlots(const SiteEntryRows& rows)
{
    state_.siteIdSlot = rows.idRow;
    state_.sitePasswordSlot = rows.passwordRow;
}

void StateKeeper::Keep(const StatusFields& status)
{
    state_.mode = status.mode;
    state_.resolution = status.resolution;
    state_.reportInterval = status.reportInterval;
    state_.autoClickOn = status.autoClickOn;
    state_.siteModeOn = status.siteModeOn;
    state_.autoClickTarget = status.autoClickTarget;
}

void StateKeeper::Keep(const ButtonMap& map)
{
    state_.buttonMap = map;
}

void StateKeeper::Keep(const FunctionKey& key)
{
    state_.functionKey = key;
}

void StateKeeper::Keep(const SequenceRecord& record)
{
    state_.runCount = record.runCount;
    state_.clickOnTime = record.clickOnTime;
    state_.clickOffTime = record.clickOffTime;
    state_.runCycle = record.runCycle;
    state_.useRunCycle = record.useRunCycle;
    state_.sequenceMode = record.sequenceMode;
    state_.applyButton = record.applyButton;
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
        Keep(reply.value);
    }
}

void StateKeeper::TakeValue(const Reply<FunctionKey>& reply)
{
    if (reply.ok()) {
        Keep(reply.value);
    }
}

void StateKeeper::TakeValue(const Reply<SequenceRecord>& reply)
{
    if (reply.ok()) {
        Keep(reply.value);
    }
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
