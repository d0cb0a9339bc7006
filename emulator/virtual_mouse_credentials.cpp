// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/command_codes.h"
#include "emulator/mouse_passwords.h"
#include "emulator/virtual_mouse.h"

// Sign-in, sign-out, the lock flags, site selection and slot enrolment.
namespace qmb::emu {

Report VirtualMouse::HoldFirstHalf(const Command& command) {
    firstHalf_ = FirstHalf{kFirstHalfCode, CopyWindow(command.bytes.subspan<2, kWriteUnit>())};
    return MakeReply(kLongReportId, kFirstHalfCode);
}

std::optional<Record> VirtualMouse::TextCompletedBy(const Command& command) const {
    if (!command.held || command.held->openedBy != kFirstHalfCode) {
        return std::nullopt;
    }
    return JoinHalves(command.held->usages, command.bytes.subspan<2, kWriteUnit>());
}

Report VirtualMouse::SignInWithMousePassword(const Command& command) {
    const std::optional<Record> password = TextCompletedBy(command);
    if (!password || !MousePasswordMatches(memory_, *password)) {
        return MakeReply(kLongReportId, kRefused);
    }
    return AcceptSignIn();
}

Report VirtualMouse::SignInWithShortPassword(const Command& command) {
    if (!ShortPasswordMatches(memory_, command.bytes.subspan<2, kWriteUnit>())) {
        return MakeReply(kLongReportId, kRefused);
    }
    return AcceptSignIn();
}

Report VirtualMouse::AcceptSignIn() {
    status_.siteModeOn = true;
    return StatusReport(kLongReportId, status_);
}

Report VirtualMouse::SignOut(const Command&) {
    status_.siteModeOn = false;
    return StatusReport(kLongReportId, status_);
}

Report VirtualMouse::AnswerSupport(const Command&) {
    return MakeReply(kLongReportId, kSupportCode, std::array{kPasswordFunctionsSupported});
}

Report VirtualMouse::AnswerLockFlags(const Command&) {
    const std::array<uint8_t, 5> flags{YesIf(ShortSignInOffered(memory_)), YesIf(ShortPasswordSet(memory_)), 0, 0,
                                       FlagsByte(status_)};
    return MakeReply(kLongReportId, kLockFlagsCode, flags);
}

Report VirtualMouse::SelectSite(const Command& command) {
    const uint8_t entry = command.bytes[3];
    if (command.bytes[2] != kSelectSiteOperation || !IsSiteEntryAddress(entry)) {
        return MakeReply(kLongReportId, kRefused);
    }
    selectedSite_ = entry;
    const std::array<uint8_t, 2> assigned{YesIf(SlotOf(memory_, entry, SlotKind::Id) != 0),
                                          YesIf(SlotOf(memory_, entry, SlotKind::Password) != 0)};
    return MakeReply(kLongReportId, kSelectSiteCode, assigned);
}

Report VirtualMouse::EnrolSiteId(const Command& command) {
    return Enrol(SlotKind::Id, command);
}

Report VirtualMouse::EnrolSitePassword(const Command& command) {
    return Enrol(SlotKind::Password, command);
}

Report VirtualMouse::Enrol(SlotKind kind, const Command& command) {
    const std::optional<Record> text = TextCompletedBy(command);
    if (!text || !signedIn() || !selectedSite_) {
        return MakeReply(kLongReportId, kRefused);
    }
    const uint8_t slot = EnrolSlot(memory_, *selectedSite_, kind, *text);
    if (slot == 0) {
        return MakeReply(kLongReportId, kRefused);
    }
    return MakeReply(kLongReportId, command.bytes[1], std::array{slot});
}

}  // namespace qmb::emu
