// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>

namespace qmb::emu {

// The HID report descriptor of the mouse's command interface: two
// vendor-defined top-level collections, told apart by their report ids. The
// first input item of each is a 1-bit button, so a parser that counts button
// capabilities finds the report id there.
//   report id 4: 8-byte input and output reports (id + 7 bytes)
//   report id 8: 9-byte input and output reports (id + 8 bytes)
inline constexpr auto kMouseReportDescriptor = std::to_array<uint8_t>({
    // Report id 4
    0x06, 0x00, 0xFF,        // Usage Page (Vendor 0xFF00)
    0x09, 0x01,              // Usage (1)
    0xA1, 0x01,              // Collection (Application)
    0x85, 0x04,              //   Report ID (4)
    0x05, 0x09,              //   Usage Page (Button)
    0x19, 0x01, 0x29, 0x01,  //   Usage Minimum (1), Usage Maximum (1)
    0x15, 0x00, 0x25, 0x01,  //   Logical Minimum (0), Logical Maximum (1)
    0x75, 0x01, 0x95, 0x01,  //   Report Size (1), Report Count (1)
    0x81, 0x02,              //   Input (Data, Variable, Absolute)
    0x75, 0x07, 0x95, 0x01,  //   Report Size (7), Report Count (1)
    0x81, 0x03,              //   Input (Constant)
    0x06, 0x00, 0xFF,        //   Usage Page (Vendor 0xFF00)
    0x09, 0x02,              //   Usage (2)
    0x15, 0x00, 0x26, 0xFF, 0x00,  // Logical Minimum (0), Logical Maximum (255)
    0x75, 0x08, 0x95, 0x06,  //   Report Size (8), Report Count (6)
    0x81, 0x02,              //   Input (Data, Variable, Absolute)
    0x09, 0x03,              //   Usage (3)
    0x75, 0x08, 0x95, 0x07,  //   Report Size (8), Report Count (7)
    0x91, 0x02,              //   Output (Data, Variable, Absolute)
    0xC0,                    // End Collection
    // Report id 8
    0x06, 0x01, 0xFF,        // Usage Page (Vendor 0xFF01)
    0x09, 0x01,              // Usage (1)
    0xA1, 0x01,              // Collection (Application)
    0x85, 0x08,              //   Report ID (8)
    0x05, 0x09,              //   Usage Page (Button)
    0x19, 0x01, 0x29, 0x01,  //   Usage Minimum (1), Usage Maximum (1)
    0x15, 0x00, 0x25, 0x01,  //   Logical Minimum (0), Logical Maximum (1)
    0x75, 0x01, 0x95, 0x01,  //   Report Size (1), Report Count (1)
    0x81, 0x02,              //   Input (Data, Variable, Absolute)
    0x75, 0x07, 0x95, 0x01,  //   Report Size (7), Report Count (1)
    0x81, 0x03,              //   Input (Constant)
    0x06, 0x01, 0xFF,        //   Usage Page (Vendor 0xFF01)
    0x09, 0x02,              //   Usage (2)
    0x15, 0x00, 0x26, 0xFF, 0x00,  // Logical Minimum (0), Logical Maximum (255)
    0x75, 0x08, 0x95, 0x07,  //   Report Size (8), Report Count (7)
    0x81, 0x02,              //   Input (Data, Variable, Absolute)
    0x09, 0x03,              //   Usage (3)
    0x75, 0x08, 0x95, 0x08,  //   Report Size (8), Report Count (8)
    0x91, 0x02,              //   Output (Data, Variable, Absolute)
    0xC0,                    // End Collection
});

}  // namespace qmb::emu
