// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace qmb {

// What the rest of the program needs to know about one top-level collection
// of a HID report descriptor: which input reports it owns and how it looks
// to a parser that counts capabilities the way Windows does.
struct TopLevelCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    // Report ids of the input reports this collection owns, ascending. A
    // descriptor without report ids owns the single id 0.
    std::vector<uint8_t> inputReportIds;
    // Largest input report of the collection, rounded up to whole bytes,
    // plus one byte for the report id; 0 when it has no input report.
    uint16_t inputReportByteLength = 0;
    // Input main items that are arrays or 1-bit variables (padding excluded).
    uint16_t numberInputButtonCaps = 0;
    uint8_t firstInputButtonReportId = 0;
};

struct ReportDescriptor {
    // False when no Report ID item appears: reports then travel without the
    // id byte on the wire.
    bool usesReportIds = false;
    std::vector<TopLevelCollection> collections;
};

// Returns nothing for a malformed or truncated descriptor, or one past the
// kernel's limits (4096 bytes) or with more top-level collections than
// report ids (255). Never reads outside `bytes`.
std::optional<ReportDescriptor> ParseReportDescriptor(std::span<const uint8_t> bytes);

}  // namespace qmb
