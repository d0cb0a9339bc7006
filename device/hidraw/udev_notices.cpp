// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/udev_notices.h"

#include <libudev.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>

namespace qmb {

namespace {

// udevd passes each of the kernel's events on once it has dealt with the
// device, so an arrival from it comes after the new node got its
// permissions. A udevd announces itself by its control socket. Without one
// (a container, a minimal system) nothing passes the events on, and nothing
// would set permissions either: the kernel's own events are then the ones
// to follow.
const char* EventSource()
{
    return access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
}

bool AddMatches(udev_monitor* monitor, std::span<const UdevMatch> matches)
{
    for (const UdevMatch& match : matches) {
        if (udev_monitor_filter_add_match_subsystem_devtype(monitor, match.subsystem, match.devtype) < 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::unique_ptr<UdevNotices> UdevNotices::Create(std::span<const UdevMatch> matches)
{
    udev* context = udev_new();
    if (!context) {
        return nullptr;
    }
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, EventSource());
    if (!monitor || !AddMatches(monitor, matches) || udev_monitor_enable_receiving(monitor) < 0) {
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
    for (;;) {
        errno = 0;
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (!device) {
            break;
        }
        const char* action = udev_device_get_action(device);
        const std::string_view what = action ? action : "";
        udev_device_unref(device);
        if (what == "add") {
            handle(DeviceNotice::Arrival);
        } else if (what == "remove") {
            handle(DeviceNotice::Removal);
        }
    }
    // The socket overflowed and notices were lost: any of them may have
    // been an arrival, and a watcher waiting for one would sleep on.
    if (errno == ENOBUFS) {
        handle(DeviceNotice::Arrival);
    }
}

}  // namespace qmb
