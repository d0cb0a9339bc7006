// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <linux/uhid.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qmb::emu {

// The /dev/uhid events the virtual device acts on, in plain types, so the
// device's behaviour is written and tested without the kernel's structs.

enum class UhidRequestType { Start, Stop, Open, Close, Output, GetReport, SetReport };

struct UhidRequest {
    UhidRequestType type = UhidRequestType::Start;
    // Echoed by the reply to a GetReport or SetReport; the kernel's caller
    // waits for it.
    uint32_t id = 0;
    bool outputReport = false;   // Output and SetReport: the report type
    std::vector<uint8_t> report;  // Output and SetReport: report id first
};

enum class UhidAnswerType { Input, GetReportReply, SetReportReply };

struct UhidAnswer {
    UhidAnswerType type = UhidAnswerType::Input;
    uint32_t id = 0;              // the request answered
    uint16_t error = 0;           // an errno value, 0 for success
    std::vector<uint8_t> report;  // Input and GetReportReply
};

struct UhidIdentity {
    std::string name;
    std::string phys;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t version = 0;
};

// One event as read from /dev/uhid. Nothing for an event the device need not
// act on or one too short to hold its fields; a report size beyond the
// event's buffer is cut to the buffer.
std::optional<UhidRequest> DecodeUhidEvent(std::span<const uint8_t> bytes);

uhid_event EncodeUhidAnswer(const UhidAnswer& answer);
// A USB device with the given identity and report descriptor; a name, phys
// or descriptor too long for the event is cut.
uhid_event EncodeUhidCreate(const UhidIdentity& identity, std::span<const uint8_t> descriptor);
uhid_event EncodeUhidDestroy();

}  // namespace qmb::emu
