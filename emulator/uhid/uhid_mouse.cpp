// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/uhid_mouse.h"

#include <cerrno>
#include <utility>

namespace qmb::emu {

namespace {

// The mouse has no feature reports and answers no GET_REPORT; an error reply
// releases the kernel's caller at once instead of after its time-out.
UhidAnswer Refusal(UhidAnswerType type, uint32_t id) {
    return UhidAnswer{type, id, EIO, {}};
}

}  // namespace

UhidMouse::UhidMouse(int modelNumber, ReportTrace* trace) : mouse_(modelNumber), trace_(trace) {}

uint16_t UhidMouse::productId() const {
    return mouse_.productId();
}

std::vector<UhidAnswer> UhidMouse::Handle(const UhidRequest& request) {
    std::vector<UhidAnswer> answers;
    switch (request.type) {
    case UhidRequestType::Open:
        opened_ = true;
        for (auto& [reportId, report] : std::exchange(held_, {})) {
            Send(std::move(report), answers);
        }
        break;
    case UhidRequestType::Close:
        opened_ = false;
        break;
    case UhidRequestType::Output:
        if (request.outputReport) {
            answers = TakeOutputReport(request.report);
        }
        break;
    case UhidRequestType::SetReport:
        if (!request.outputReport) {
            answers.push_back(Refusal(UhidAnswerType::SetReportReply, request.id));
            break;
        }
        // The transfer completes before the mouse answers on its interrupt
        // endpoint, as on the USB.
        answers.push_back(UhidAnswer{UhidAnswerType::SetReportReply, request.id, 0, {}});
        for (auto& answer : TakeOutputReport(request.report)) {
            answers.push_back(std::move(answer));
        }
        break;
    case UhidRequestType::GetReport:
        answers.push_back(Refusal(UhidAnswerType::GetReportReply, request.id));
        break;
    case UhidRequestType::Start:
    case UhidRequestType::Stop:
        break;
    }
    return answers;
}

std::vector<UhidAnswer> UhidMouse::PressReset() {
    std::vector<UhidAnswer> answers;
    Send(mouse_.PressReset(), answers);
    return answers;
}

std::vector<UhidAnswer> UhidMouse::PressModeSwitch() {
    std::vector<UhidAnswer> answers;
    Send(mouse_.PressModeSwitch(), answers);
    return answers;
}

std::vector<UhidAnswer> UhidMouse::TakeOutputReport(const std::vector<uint8_t>& report) {
    if (trace_ != nullptr) {
        trace_->Output(report);
    }
    std::vector<UhidAnswer> answers;
    for (auto& reply : mouse_.HandleOutputReport(report)) {
        Send(std::move(reply), answers);
    }
    return answers;
}

void UhidMouse::Send(Report report, std::vector<UhidAnswer>& answers) {
    if (report.empty()) {
        return;
    }
    if (!opened_) {
        held_[report[0]] = std::move(report);
        return;
    }
    if (trace_ != nullptr) {
        trace_->Input(report);
    }
    answers.push_back(UhidAnswer{UhidAnswerType::Input, 0, 0, std::move(report)});
}

}  // namespace qmb::emu
