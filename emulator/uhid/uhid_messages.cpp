// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/uhid_messages.h"

#include <linux/input.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace qmb::emu {

namespace {

constexpr size_t kTypeSize = sizeof(uhid_event::type);

struct EventShape {
    uint32_t kernelType;
    UhidRequestType type;
    size_t bodySize;  // bytes of the union the event must carry
};
constexpr std::array<EventShape, 7> kEventShapes{{
    {UHID_START, UhidRequestType::Start, sizeof(uhid_start_req)},
    {UHID_STOP, UhidRequestType::Stop, 0},
    {UHID_OPEN, UhidRequestType::Open, 0},
    {UHID_CLOSE, UhidRequestType::Close, 0},
    {UHID_OUTPUT, UhidRequestType::Output, sizeof(uhid_output_req)},
    {UHID_GET_REPORT, UhidRequestType::GetReport, sizeof(uhid_get_report_req)},
    {UHID_SET_REPORT, UhidRequestType::SetReport, sizeof(uhid_set_report_req)},
}};

std::vector<uint8_t> ReportBytes(const uint8_t* data, uint16_t size) {
    return {data, data + std::min<size_t>(size, UHID_DATA_MAX)};
}

template <size_t N>
void CopyText(uint8_t (&field)[N], const std::string& text) {
    // Always leaves a terminating zero.
    std::copy_n(text.begin(), std::min(text.size(), N - 1), field);
}

}  // namespace

std::optional<UhidRequest> DecodeUhidEvent(std::span<const uint8_t> bytes) {
    if (bytes.size() < kTypeSize) {
        return std::nullopt;
    }
    uhid_event event{};
    std::memcpy(&event, bytes.data(), std::min(bytes.size(), sizeof event));
    const auto shape = std::ranges::find(kEventShapes, event.type, &EventShape::kernelType);
    if (shape == kEventShapes.end() || bytes.size() < kTypeSize + shape->bodySize) {
        return std::nullopt;
    }
    UhidRequest request;
    request.type = shape->type;
    switch (request.type) {
    case UhidRequestType::Output:
        request.outputReport = event.u.output.rtype == UHID_OUTPUT_REPORT;
        request.report = ReportBytes(event.u.output.data, event.u.output.size);
        break;
    case UhidRequestType::GetReport:
        request.id = event.u.get_report.id;
        break;
    case UhidRequestType::SetReport:
        request.id = event.u.set_report.id;
        request.outputReport = event.u.set_report.rtype == UHID_OUTPUT_REPORT;
        request.report = ReportBytes(event.u.set_report.data, event.u.set_report.size);
        break;
    case UhidRequestType::Start:
    case UhidRequestType::Stop:
    case UhidRequestType::Open:
    case UhidRequestType::Close:
        break;
    }
    return request;
}

uhid_event EncodeUhidAnswer(const UhidAnswer& answer) {
    uhid_event event{};
    const size_t size = std::min<size_t>(answer.report.size(), UHID_DATA_MAX);
    switch (answer.type) {
    case UhidAnswerType::Input:
        event.type = UHID_INPUT2;
        event.u.input2.size = static_cast<uint16_t>(size);
        std::copy_n(answer.report.begin(), size, event.u.input2.data);
        break;
    case UhidAnswerType::GetReportReply:
        event.type = UHID_GET_REPORT_REPLY;
        event.u.get_report_reply.id = answer.id;
        event.u.get_report_reply.err = answer.error;
        event.u.get_report_reply.size = static_cast<uint16_t>(size);
        std::copy_n(answer.report.begin(), size, event.u.get_report_reply.data);
        break;
    case UhidAnswerType::SetReportReply:
        event.type = UHID_SET_REPORT_REPLY;
        event.u.set_report_reply.id = answer.id;
        event.u.set_report_reply.err = answer.error;
        break;
    }
    return event;
}

uhid_event EncodeUhidCreate(const UhidIdentity& identity, std::span<const uint8_t> descriptor) {
    uhid_event event{};
    event.type = UHID_CREATE2;
    auto& create = event.u.create2;
    CopyText(create.name, identity.name);
    CopyText(create.phys, identity.phys);
    const size_t size = std::min<size_t>(descriptor.size(), HID_MAX_DESCRIPTOR_SIZE);
    create.rd_size = static_cast<uint16_t>(size);
    std::copy_n(descriptor.begin(), size, create.rd_data);
    create.bus = BUS_USB;
    create.vendor = identity.vendorId;
    create.product = identity.productId;
    create.version = identity.version;
    return event;
}

uhid_event EncodeUhidDestroy() {
    uhid_event event{};
    event.type = UHID_DESTROY;
    return event;
}

}  // namespace qmb::emu
