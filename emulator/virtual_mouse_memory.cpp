// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <algorithm>

#include "emulator/command_codes.h"
#include "emulator/mouse_passwords.h"
#include "emulator/virtual_mouse.h"

// The memory commands: reads, six-byte writes and the tidy-up of the site
// entries.
namespace qmb::emu {

namespace {

struct EnrolmentQuery {
    uint8_t address;
    bool (*enrolled)(const SettingsMemory& memory);
};

constexpr std::array<EnrolmentQuery, 2> kEnrolmentQueries{{
    {kMousePasswordAddress, &MousePasswordEnrolled},
    {kShortPasswordAddress, &ShortPasswordSet},
}};

}  // namespace

Report VirtualMouse::ReadMemory(const Command& command) {
    const uint8_t address = command.bytes[2];
    if (address != kEnrolmentQueryCode) {
        return MakeReply(kLongReportId, kReadMarker, memory_.ReadWindow(address));
    }
    const auto query = std::ranges::find(kEnrolmentQueries, command.bytes[3], &EnrolmentQuery::address);
    const bool enrolled = query != kEnrolmentQueries.end() && query->enrolled(memory_);
    return MakeReply(kLongReportId, kReadMarker, std::array{YesIf(enrolled)});
}

Report VirtualMouse::WriteMemory(const Command& command) {
    const uint8_t address = command.bytes[1];
    const Region region = *RegionAt(address);
    const size_t offset = address - region.first;
    const std::span<const uint8_t, kWriteUnit> data = command.bytes.subspan<2, kWriteUnit>();
    if (offset % kWriteUnit != 0 || !MayWrite(region.guard)) {
        return MakeReply(kLongReportId, kRefused);
    }
    if (region.recordSize == kWriteUnit) {
        if (!StoreUnit(region, address, data)) {
            return MakeReply(kLongReportId, kRefused);
        }
    } else if (offset % kRecordSize == 0) {
        firstHalf_ = FirstHalf{address, CopyWindow(data)};
    } else {
        const uint8_t first = static_cast<uint8_t>(address - kWriteUnit);
        if (!command.held || command.held->openedBy != first) {
            return MakeReply(kLongReportId, kRefused);
        }
        StoreRecord(region, first, JoinHalves(command.held->usages, data));
    }
    if (region.secret) {
        return MakeReply(kLongReportId, address);
    }
    return MakeReply(kLongReportId, address, memory_.View(address, kWriteUnit));
}

Report VirtualMouse::TidySiteEntries(const Command&) {
    if (!signedIn()) {
        return MakeReply(kLongReportId, kRefused);
    }
    DetachBlankSlots(memory_);
    return MakeReply(kLongReportId, kTidySiteEntriesCode);
}

bool VirtualMouse::MayWrite(WriteGuard guard) const {
    switch (guard) {
        case WriteGuard::Open:
            return true;
        case WriteGuard::OwnerOrNoPassword:
            return signedIn() || !MousePasswordEnrolled(memory_);
        case WriteGuard::SignedIn:
            return signedIn();
    }
    return false;
}

bool VirtualMouse::StoreUnit(const Region& region, uint8_t address, std::span<const uint8_t, kWriteUnit> data) {
    if (region.field == Field::ShortPassword) {
        return ReplaceShortPassword(memory_, data);
    }
    memory_.Store(address, data);
    return true;
}

void VirtualMouse::StoreRecord(const Region& region, uint8_t first, std::span<const uint8_t, kRecordSize> record) {
    if (region.field == Field::MousePassword) {
        ReplaceMousePassword(memory_, record);
    } else {
        memory_.Store(first, record);
    }
}

}  // namespace qmb::emu
