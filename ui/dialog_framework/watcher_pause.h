// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "device/device_watcher.h"

namespace qmb {

// Keeps the watcher off the device while a dialog or a sequence of
// commands needs it undisturbed: stopped when made, started again when
// gone, however the scope is left.
class WatcherPause {
public:
    explicit WatcherPause(DeviceWatcher& watcher) : watcher_(watcher) { watcher_.StopWatcher(); }
    ~WatcherPause() { watcher_.StartWatcher(); }
    WatcherPause(const WatcherPause&) = delete;
    WatcherPause& operator=(const WatcherPause&) = delete;

private:
    DeviceWatcher& watcher_;
};

}  // namespace qmb
