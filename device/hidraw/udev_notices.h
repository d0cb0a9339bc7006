#pragma once

#include <memory>

#include "device/device_notices.h"

struct udev;
struct udev_monitor;

namespace qmb {

// Arrivals and removals of any USB device, from udev.
class UdevNotices final : public DeviceNotices {
public:
    // None when udev cannot be reached.
    static std::unique_ptr<UdevNotices> Create();
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
