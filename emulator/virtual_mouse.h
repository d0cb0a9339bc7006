// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "emulator/mouse_status.h"
#include "emulator/reply.h"
#include "emulator/settings_memory.h"
#include "emulator/site_slots.h"

namespace qmb::emu {

// A software model of the mouse, seen from the device's side: output reports
// in, input reports out. It knows nothing of transports or timing; the
// emulated HID backend and the uhid virtual device carry its reports.
// Not thread-safe: its carrier serialises access.
class VirtualMouse {
public:
    using Status = MouseStatus;

    explicit VirtualMouse(int modelNumber = 0);

    uint16_t productId() const;

    // The host sent one output report (report id in byte 0). Returns the
    // input reports the mouse answers with, in order (none for a report it
    // ignores).
    std::vector<Report> HandleOutputReport(std::span<const uint8_t> report);

    // The reset combination pressed on the mouse: settings back to factory
    // defaults. Returns the StatusReport the mouse sends by itself.
    Report PressReset();
    // The mode switch pressed on the mouse. Returns the StatusReport it sends.
    Report PressModeSwitch();

    // Inspection, for tests and traces of the device side.
    const Status& status() const;
    const std::array<uint8_t, 256>& memory() const;
    const std::array<uint8_t, 5>& buttonMap() const;
    bool signedIn() const;

private:
    // The first six usages of a twelve-byte text, waiting for the report that
    // brings the other six. Any other report drops them.
    struct FirstHalf {
        uint8_t openedBy;  // 0xF1, or the address of the record's first half
        Window usages;
    };
    struct Command {
        std::span<const uint8_t> bytes;  // the whole report, of its id's length
        std::optional<FirstHalf> held;   // what the report before this one left
    };
    using Handler = Report (VirtualMouse::*)(const Command& command);
    struct CodeHandler {
        uint8_t code;
        Handler handle;
    };

    Report Dispatch(std::span<const CodeHandler> table, uint8_t code, const Command& command);

    Report HandleShortReport(const Command& command);
    Report QueryStatus(const Command& command);
    Report QueryButtonMap(const Command& command);
    Report WriteStatus(const Command& command);
    Report WriteButtonMap(const Command& command);

    Report HandleLongReport(const Command& command);
    Report ReadMemory(const Command& command);
    Report WriteMemory(const Command& command);
    Report TidySiteEntries(const Command& command);
    Report HoldFirstHalf(const Command& command);
    Report SignInWithMousePassword(const Command& command);
    Report SignInWithShortPassword(const Command& command);
    Report EnrolSiteId(const Command& command);
    Report EnrolSitePassword(const Command& command);
    Report AnswerSupport(const Command& command);
    Report SignOut(const Command& command);
    Report AnswerLockFlags(const Command& command);
    Report SelectSite(const Command& command);

    Report Enrol(SlotKind kind, const Command& command);
    Report AcceptSignIn();
    bool MayWrite(WriteGuard guard) const;
    bool StoreUnit(const Region& region, uint8_t address, std::span<const uint8_t, kWriteUnit> data);
    void StoreRecord(const Region& region, uint8_t first, std::span<const uint8_t, kRecordSize> record);
    std::optional<Record> TextCompletedBy(const Command& command) const;

    ModelFacts model_;
    Status status_;
    std::array<uint8_t, 5> buttonMap_;
    SettingsMemory memory_;
    std::optional<uint8_t> selectedSite_;  // entry address of the site chosen last
    std::optional<FirstHalf> firstHalf_;
};

}  // namespace qmb::emu
