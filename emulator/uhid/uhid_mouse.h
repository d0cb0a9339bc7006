// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "device/report_trace.h"
#include "emulator/uhid/uhid_messages.h"
#include "emulator/virtual_mouse.h"

namespace qmb::emu {

// The emulated mouse as the kernel's uhid driver sees it: uhid requests in,
// the events to write back out. No I/O and no locking; the event loop
// serialises every call.
//
// While no program has the device open, the kernel has nobody to pass an
// input report to. Like the mouse's interrupt endpoint, which is not polled
// then, the latest report of each report id waits and is sent on the next
// open.
class UhidMouse {
public:
    // `trace` may be null; it sees every report sent and received, as "> "
    // (received) and "< " (sent) lines.
    UhidMouse(int modelNumber, ReportTrace* trace);

    uint16_t productId() const;

    std::vector<UhidAnswer> Handle(const UhidRequest& request);
    std::vector<UhidAnswer> PressReset();
    std::vector<UhidAnswer> PressModeSwitch();

private:
    std::vector<UhidAnswer> TakeOutputReport(const std::vector<uint8_t>& report);
    void Send(Report report, std::vector<UhidAnswer>& answers);

    VirtualMouse mouse_;
    ReportTrace* trace_;
    bool opened_ = false;
    std::map<uint8_t, Report> held_;  // by report id
};

}  // namespace qmb::emu
