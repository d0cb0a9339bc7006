// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid_platform.h"
#include "device/hidraw/report_descriptor.h"

namespace qmb {

// One entry of <sysfs>/class/hidraw. sysfs gives every new entry a new
// inode number, so name and inode together tell a node that was replaced
// (device unplugged, another plugged in) from the one seen before.
struct HidrawClassEntry {
    std::string name;  // "hidraw3"
    unsigned number = 0;
    uint64_t inode = 0;
};

// What sysfs tells about one hidraw node.
struct HidrawNode {
    HidrawClassEntry entry;
    std::optional<HidAttributes> ueventIds;       // from device/uevent
    std::optional<ReportDescriptor> descriptor;   // from device/report_descriptor
};

// "hidraw" followed by a decimal number, nothing else.
bool IsHidrawNodeName(std::string_view name);

// The hidraw nodes, ascending by their number.
std::vector<HidrawClassEntry> ListHidrawNodes(const std::string& sysfsRoot);

std::optional<HidAttributes> ReadHidrawUevent(const std::string& sysfsRoot, const std::string& name);
HidrawNode ReadHidrawNode(const std::string& sysfsRoot, const HidrawClassEntry& entry);

}  // namespace qmb
