// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>

#include "device/hid_platform.h"

namespace qmb {

// The operating system's HID support (hidraw and udev on Linux).
std::unique_ptr<HidPlatform> SystemHidPlatform();

}  // namespace qmb
