// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "protocol/reports.h"

namespace qmb {

// How a command went.
enum class Outcome {
    Done,        // every report was sent (a reply may still have been missing)
    NoDevice,    // the mouse's collection could not be opened; nothing sent
    Busy,        // another program kept talking to the mouse; nothing sent
    SendFailed,  // a report could not be sent; the rest were not
    Refused,     // the mouse turned a sign-in down
    NoFreeSlot,  // the mouse had no slot left for an enrolment
    NoSuchSlot,  // the slot row names no slot; nothing sent
};

// What a command brought back: how it went, what it read, and every
// StatusReport that came in while it held the device.
template <typename T = std::monostate>
struct Reply {
    Outcome outcome = Outcome::NoDevice;
    T value{};
    // Every report was answered within the reply wait.
    bool answered = false;
    // In the order they came: reports the mouse sent by itself before a
    // request, and replies that were StatusReports.
    std::vector<StatusFields> statusReports;

    bool ok() const { return outcome == Outcome::Done; }
};

// Per physical button (left, right, wheel, 4, 5) the one-bit mask of the
// button it acts as.
using ButtonMap = std::array<uint8_t, 5>;
// Kind, modifier and usage of one input's keyboard or media function.
using FunctionKey = std::array<uint8_t, 3>;

struct SequenceRecord {
    uint8_t runCount = 0;
    uint8_t clickOnTime = 0;
    uint8_t clickOffTime = 0;
    uint8_t runCycle = 0;
    int32_t useRunCycle = 0;
    uint8_t sequenceMode = 0;
    uint8_t applyButton = 0;

    bool operator==(const SequenceRecord&) const = default;
};

struct SupportAnswer {
    bool supported = false;
};

struct PasswordEnrolment {
    bool enrolled = false;
};

struct LockFlags {
    int32_t mousePasswordMode = 0;
    int32_t shortPasswordMode = 0;
    int32_t siteModeOn = 0;
};

struct SiteSelection {
    int32_t idAssigned = 0;
    int32_t passwordAssigned = 0;
    int32_t complete = 0;
};

// The rows of a site entry, looked up in the slot tables.
struct SiteEntryRows {
    uint8_t idRow = 0;
    uint8_t passwordRow = 0;
};

}  // namespace qmb
