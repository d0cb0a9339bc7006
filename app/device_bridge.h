// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

#include "app/access_notice.h"
#include "device/device_notices.h"
#include "device/device_watcher.h"
#include "protocol/mouse_watch_listener.h"

namespace qmb {

class PanelRefresh;
struct DeviceSession;

// Brings what the device watcher and the USB notices learn of the mouse to
// the control box's panel. All of it runs on the UI thread; the watcher's
// news arrive here as queued tasks.
class DeviceBridge : public QObject, public MouseWatchListener {
    Q_OBJECT
public:
    DeviceBridge(DeviceSession& session, PanelRefresh& panel);
    ~DeviceBridge() override;

    // Reads the mouse once, then watches it and the USB notices.
    void Start();

    // None before Start.
    DeviceWatcher* watcher() const { return watcher_.get(); }
    const AccessNotice& accessNotice() const { return accessNotice_; }

    void OnDeviceDetected() override;
    void OnDeviceReset(std::span<const uint8_t> report) override;
    void OnDeviceNotice(DeviceNotice notice);

private:
    void OnStatusPolled(const PolledStatus& status) override;
    void OnDeviceStateChanged() override;
    void StartDeviceNotices();

    DeviceSession& session_;
    PanelRefresh& panel_;
    std::unique_ptr<DeviceWatcher> watcher_;
    std::unique_ptr<DeviceNotices> notices_;
    std::unique_ptr<QSocketNotifier> noticesReadable_;
    AccessNotice accessNotice_;
};

}  // namespace qmb
