// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <variant>

#include "protocol/command_reply.h"
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

// Told, synchronously, each time a StatusReport has been taken into the
// DeviceState (the control box refreshes from it).
class DeviceStateListener {
public:
    virtual void OnDeviceStateChanged() = 0;

protected:
    ~DeviceStateListener() = default;
};

// Keeps a DeviceState in step with what the mouse says. Take runs on a
// command's reply: every StatusReport that came in is taken into the state
// and announced, in order; then whatever the command read that tells of the
// mouse's state. A command that failed leaves the state as it was.
class StateKeeper {
public:
    explicit StateKeeper(DeviceState& state);

    void SetListener(DeviceStateListener* listener);

    // A StatusReport's six fields, announced.
    void TakeStatus(const StatusFields& status);
    // What the watcher read. Not announced here: the watcher's listener
    // tells the window once it has taken in the whole report.
    void TakePolledStatus(const PolledStatus& status);
    // The factory settings a reset brought, which the mouse reports in
    // full; announced with the rest of the watcher's report.
    void TakeResetStatus(const StatusFields& status);

    // What a reply told, or what the user chose, kept whether or not the
    // mouse takes it: the windows show the user's choice until the mouse
    // says otherwise. Not announced.
    void Keep(const StatusFields& status);
    void Keep(const ButtonMap& map);
    void Keep(const FunctionKey& key);
    void Keep(const SequenceRecord& record);
    void KeepChosenSite(uint8_t siteIndex);
    // The slot rows of the chosen site, read from its entry.
    void TakeSiteSlots(const SiteEntryRows& rows);

    template <typename T>
    const Reply<T>& Take(const Reply<T>& reply)
    {
        for (const auto& status : reply.statusReports) {
            TakeStatus(status);
        }
        TakeValue(reply);
        return reply;
    }

private:
    void NoteModeReported(uint8_t mode);
    void TakeValue(const Reply<std::monostate>&) {}
    void TakeValue(const Reply<std::vector<uint8_t>>&) {}
    void TakeValue(const Reply<SupportAnswer>&) {}
    void TakeValue(const Reply<SiteEntryRows>&) {}
    // QueryStatus, SignOut, an accepted sign-in: the state the command read.
    void TakeValue(const Reply<StatusFields>& reply);
    void TakeValue(const Reply<std::optional<StatusFields>>& reply);
    void TakeValue(const Reply<ButtonMap>& reply);
    void TakeValue(const Reply<FunctionKey>& reply);
    void TakeValue(const Reply<SequenceRecord>& reply);
    void TakeValue(const Reply<PasswordEnrolment>& reply);
    void TakeValue(const Reply<LockFlags>& reply);
    void TakeValue(const Reply<SiteSelection>& reply);

    DeviceState& state_;
    DeviceStateListener* listener_ = nullptr;
};

}  // namespace qmb
