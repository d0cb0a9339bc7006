// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/device_bridge.h"

#include "actions/status_actions.h"
#include "app/panel_refresh.h"
#include "protocol/device_session.h"
#include "protocol/reports.h"

namespace qmb {

DeviceBridge::DeviceBridge(DeviceSession& session, PanelRefresh& panel) : session_(session), panel_(panel) {}

DeviceBridge::~DeviceBridge()
{
    // The watcher goes first: nothing may reach the window while it is
    // being taken down.
    watcher_.reset();
}

void DeviceBridge::Start()
{
    OnDeviceDetected();

    watcher_ = std::make_unique<DeviceWatcher>(session_.link, kStatusReportId, *this, [this](std::function<void()> task) {
        QMetaObject::invokeMethod(this, std::move(task), Qt::QueuedConnection);
    });
    watcher_->StartWatcher();
    StartDeviceNotices();
}

void DeviceBridge::StartDeviceNotices()
{
    notices_ = session_.platform.CreateNotices();
    if (!notices_) {
        return;
    }
    noticesReadable_ = std::make_unique<QSocketNotifier>(notices_->fd(), QSocketNotifier::Read);
    connect(noticesReadable_.get(), &QSocketNotifier::activated, this,
            [this] { notices_->ReadNotices([this](DeviceNotice notice) { OnDeviceNotice(notice); }); });
}

void DeviceBridge::OnDeviceDetected()
{
    if (ReadStatus(session_) == ActionResult::NoMouse) {
        accessNotice_.CheckAfterMissing(session_.platform, session_.link.identity());
    }
    panel_.ShowDetected();
}

void DeviceBridge::OnDeviceReset(std::span<const uint8_t> report)
{
    session_.keeper.TakeResetStatus(StatusFields::Decode(report));
    panel_.LoadSiteTitles();
}

void DeviceBridge::OnStatusPolled(const PolledStatus& status)
{
    session_.keeper.TakePolledStatus(status);
}

void DeviceBridge::OnDeviceStateChanged()
{
    panel_.OnDeviceStateChanged();
}

void DeviceBridge::OnDeviceNotice(DeviceNotice notice)
{
    if (!watcher_) {
        return;
    }
    if (notice == DeviceNotice::Arrival) {
        OnDeviceDetected();
        watcher_->StartWatcher();
        watcher_->WakeUp();
        return;
    }
    // Any USB device may be the one removed. Pausing until the next arrival
    // would leave the panel deaf to a mouse that is still there, so watch on
    // when it still answers.
    watcher_->StopWatcher();
    if (MouseReached(ReadStatus(session_))) {
        watcher_->StartWatcher();
    }
}

}  // namespace qmb
