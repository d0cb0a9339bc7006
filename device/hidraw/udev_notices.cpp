#include "device/hidraw/udev_notices.h"

#include <libudev.h>

#include <string_view>

namespace qmb {

std::unique_ptr<UdevNotices> UdevNotices::Create()
{
    udev* context = udev_new();
    if (!context) {
        return nullptr;
    }
    // From the "udev" source, so an arrival comes after udev has given the
    // new node its permissions.
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, "usb", "usb_device") < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::unique_ptr<UdevNotices>(new UdevNotices(context, monitor));
}

UdevNotices::UdevNotices(udev* context, udev_monitor* monitor) : context_(context), monitor_(monitor) {}

UdevNotices::~UdevNotices()
{
    udev_monitor_unref(monitor_);
    udev_unref(context_);
}

int UdevNotices::fd() const
{
    return udev_monitor_get_fd(monitor_);
}

void UdevNotices::ReadNotices(const std::function<void(DeviceNotice)>& handle)
{
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        const std::string_view what = action ? action : "";
        udev_device_unref(device);
        if (what == "add") {
            handle(DeviceNotice::Arrival);
        } else if (what == "remove") {
            handle(DeviceNotice::Removal);
        }
    }
}

}  // namespace qmb
