// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/virtual_mouse.h"

#include <algorithm>
#include <utility>

#include "emulator/command_codes.h"

namespace qmb::emu {

namespace {

constexpr std::array<uint8_t, 5> kDefaultButtonMap{1, 2, 4, 8, 16};
constexpr uint8_t kButtonMode = 1;
constexpr uint8_t kFunctionMode = 2;

// A button can act only as one of the mouse's own five buttons.
bool IsButtonMask(uint8_t mask) {
    return std::ranges::find(kDefaultButtonMap, mask) != kDefaultButtonMap.end();
}

}  // namespace

VirtualMouse::VirtualMouse(int modelNumber) : model_(ModelFactsFor(modelNumber)), buttonMap_(kDefaultButtonMap) {}

uint16_t VirtualMouse::productId() const {
    return model_.productId;
}

std::vector<Report> VirtualMouse::HandleOutputReport(std::span<const uint8_t> report) {
    if (report.empty() || (report[0] != kShortReportId && report[0] != kLongReportId) ||
        report.size() != ReportLength(report[0])) {
        return {};
    }
    const Command command{report, std::exchange(firstHalf_, std::nullopt)};
    return {report[0] == kShortReportId ? HandleShortReport(command) : HandleLongReport(command)};
}

Report VirtualMouse::Dispatch(std::span<const CodeHandler> table, uint8_t code, const Command& command) {
    const auto entry = std::ranges::find(table, code, &CodeHandler::code);
    if (entry == table.end()) {
        return MakeReply(command.bytes[0], kRefused);
    }
    return (this->*entry->handle)(command);
}

Report VirtualMouse::HandleShortReport(const Command& command) {
    static constexpr std::array<CodeHandler, 2> kReads{{
        {kStatusCode, &VirtualMouse::QueryStatus},
        {kButtonMapCode, &VirtualMouse::QueryButtonMap},
    }};
    static constexpr std::array<CodeHandler, 2> kWrites{{
        {kStatusCode, &VirtualMouse::WriteStatus},
        {kButtonMapCode, &VirtualMouse::WriteButtonMap},
    }};
    const std::span<const uint8_t> bytes = command.bytes;
    return bytes[1] == kReadMarker ? Dispatch(kReads, bytes[2], command) : Dispatch(kWrites, bytes[1], command);
}

Report VirtualMouse::QueryStatus(const Command&) {
    return StatusReport(kShortReportId, status_);
}

Report VirtualMouse::QueryButtonMap(const Command&) {
    return MakeReply(kShortReportId, kReadMarker, buttonMap_);
}

Report VirtualMouse::WriteStatus(const Command& command) {
    const std::span<const uint8_t> bytes = command.bytes;
    status_ = AppliedStatusWrite(status_, bytes[2], bytes[3], bytes[4], bytes[6], model_);
    return StatusReport(kShortReportId, status_);
}

Report VirtualMouse::WriteButtonMap(const Command& command) {
    const std::span<const uint8_t> map = command.bytes.subspan(2, buttonMap_.size());
    if (!std::ranges::all_of(map, IsButtonMask)) {
        return MakeReply(kShortReportId, kRefused);
    }
    std::ranges::copy(map, buttonMap_.begin());
    return MakeReply(kShortReportId, kButtonMapCode, buttonMap_);
}

Report VirtualMouse::HandleLongReport(const Command& command) {
    static constexpr std::array<CodeHandler, 11> kCodes{{
        {kReadMarker, &VirtualMouse::ReadMemory},
        {kTidySiteEntriesCode, &VirtualMouse::TidySiteEntries},
        {kFirstHalfCode, &VirtualMouse::HoldFirstHalf},
        {kMousePasswordSignInCode, &VirtualMouse::SignInWithMousePassword},
        {kEnrolSiteIdCode, &VirtualMouse::EnrolSiteId},
        {kEnrolSitePasswordCode, &VirtualMouse::EnrolSitePassword},
        {kSupportCode, &VirtualMouse::AnswerSupport},
        {kSignOutCode, &VirtualMouse::SignOut},
        {kLockFlagsCode, &VirtualMouse::AnswerLockFlags},
        {kShortPasswordSignInCode, &VirtualMouse::SignInWithShortPassword},
        {kSelectSiteCode, &VirtualMouse::SelectSite},
    }};
    const uint8_t code = command.bytes[1];
    return RegionAt(code) ? WriteMemory(command) : Dispatch(kCodes, code, command);
}

Report VirtualMouse::PressReset() {
    status_ = Status{};
    buttonMap_ = kDefaultButtonMap;
    memory_.RestoreFactorySettings();
    selectedSite_.reset();
    firstHalf_.reset();
    return StatusReport(kShortReportId, status_);
}

Report VirtualMouse::PressModeSwitch() {
    status_.mode = status_.mode == kButtonMode ? kFunctionMode : kButtonMode;
    return StatusReport(kShortReportId, status_);
}

const VirtualMouse::Status& VirtualMouse::status() const {
    return status_;
}

const std::array<uint8_t, 256>& VirtualMouse::memory() const {
    return memory_.bytes();
}

const std::array<uint8_t, 5>& VirtualMouse::buttonMap() const {
    return buttonMap_;
}

bool VirtualMouse::signedIn() const {
    return status_.siteModeOn;
}

}  // namespace qmb::emu
