// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string_view>

#include "device/hid_platform.h"

namespace qmb {

// Vendor and product id from the HID_ID line of a HID device's sysfs uevent
// ("HID_ID=0003:00000095:0000C048"). The uevent has no version number.
std::optional<HidAttributes> ParseHidUevent(std::string_view uevent);

}  // namespace qmb
