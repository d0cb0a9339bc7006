// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>
#include <span>

#include "device/device_notices.h"

struct udev;
struct udev_monitor;

namespace qmb {

// Devices of one subsystem, and of one type within it unless devtype is
// null.
struct UdevMatch {
    const char* subsystem;
    const char* devtype;
};

// Arrivals and removals of the devices that match, from udev.
class UdevNotices final : public DeviceNotices {
public:
    // None when udev cannot be reached.
    static std::unique_ptr<UdevNotices> Create(std::span<const UdevMatch> matches);
    ~UdevNotices() override;
    UdevNotices(const UdevNotices&) = delete;
    UdevNotices& operator=(const UdevNotices&) = delete;

    int fd() const override;
    void ReadNotices(const std::function<void(DeviceNotice)>& handle) override;

private:
    UdevNotices(udev* context, udev_monitor* monitor);

    udev* context_;
    udev_monitor* monitor_;
};

}  // namespace qmb
