// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <linux/uhid.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace qmb::emu::test {

using Bytes = std::vector<uint8_t>;

// The status query and the factory status it is answered with.
inline const Bytes kStatusQuery{0x04, 0xFF, 0xCA, 0, 0, 0, 0, 0};
inline const Bytes kFactoryStatus{0x04, 0xCA, 0x01, 0x03, 0x01, 0x00, 0x01, 0x00};

// Events as the kernel's uhid driver writes them.
inline uhid_event KernelEvent(uint32_t type) {
    uhid_event event{};
    event.type = type;
    return event;
}

inline uhid_event KernelOutput(const Bytes& report, uint8_t reportType = UHID_OUTPUT_REPORT) {
    uhid_event event = KernelEvent(UHID_OUTPUT);
    std::memcpy(event.u.output.data, report.data(), report.size());
    event.u.output.size = static_cast<uint16_t>(report.size());
    event.u.output.rtype = reportType;
    return event;
}

inline uhid_event KernelSetReport(uint32_t id, const Bytes& report, uint8_t reportType) {
    uhid_event event = KernelEvent(UHID_SET_REPORT);
    event.u.set_report.id = id;
    event.u.set_report.rnum = report.empty() ? 0 : report[0];
    event.u.set_report.rtype = reportType;
    event.u.set_report.size = static_cast<uint16_t>(report.size());
    std::memcpy(event.u.set_report.data, report.data(), report.size());
    return event;
}

inline uhid_event KernelGetReport(uint32_t id, uint8_t reportNumber, uint8_t reportType) {
    uhid_event event = KernelEvent(UHID_GET_REPORT);
    event.u.get_report.id = id;
    event.u.get_report.rnum = reportNumber;
    event.u.get_report.rtype = reportType;
    return event;
}

inline std::span<const uint8_t> BytesOf(const uhid_event& event, size_t length = sizeof(uhid_event)) {
    return {reinterpret_cast<const uint8_t*>(&event), length};
}

}  // namespace qmb::emu::test
