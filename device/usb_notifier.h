#pragma once

#include <functional>
#include <memory>

struct udev;
struct udev_monitor;

namespace qmb {

enum class UsbNotice { Arrival, Removal };

// Arrivals and removals of any USB device, from udev. Its file descriptor
// becomes readable when notices wait; an event loop watches it and calls
// ReadNotices.
class UsbNotifier {
public:
    // None when udev cannot be reached; the mouse is then followed by the
    // watcher's polling alone.
    static std::unique_ptr<UsbNotifier> Create();
    ~UsbNotifier();
    UsbNotifier(const UsbNotifier&) = delete;
    UsbNotifier& operator=(const UsbNotifier&) = delete;

    int fd() const;
    void ReadNotices(const std::function<void(UsbNotice)>& handle);

private:
    UsbNotifier(udev* context, udev_monitor* monitor);

    udev* context_;
    udev_monitor* monitor_;
};

}  // namespace qmb
