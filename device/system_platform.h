#pragma once

#include <memory>

#include "device/hid_platform.h"

namespace qmb {

// The operating system's HID support (hidraw and udev on Linux).
std::unique_ptr<HidPlatform> SystemHidPlatform();

}  // namespace qmb
