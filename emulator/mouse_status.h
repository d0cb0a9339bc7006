// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

#include "emulator/reply.h"

namespace qmb::emu {

struct MouseStatus {
    uint8_t mode = 1;
    uint8_t resolution = 3;
    uint8_t reportInterval = 1;
    bool autoClickOn = false;
    bool siteModeOn = false;
    uint8_t autoClickTarget = 1;
};

// The mouse's USB vendor id, the same for every model.
inline constexpr uint16_t kVendorId = 0x0095;

struct ModelFacts {
    uint16_t productId;
    uint8_t maxResolution;
};

ModelFacts ModelFactsFor(int modelNumber);

// Bit 7 auto-click, bit 6 web-site mode, bits 0-2 the auto-click target.
uint8_t FlagsByte(const MouseStatus& status);

// The status fields as the mouse reports them, on report id 4 (8 bytes) or
// 8 (9 bytes).
Report StatusReport(uint8_t reportId, const MouseStatus& status);

// A status write (mode, resolution, interval, flags) applied field by field:
// a value the mouse does not have keeps the field as it was, and web-site
// mode can be switched off here but only a sign-in switches it on.
MouseStatus AppliedStatusWrite(const MouseStatus& current, uint8_t mode, uint8_t resolution,
                               uint8_t reportInterval, uint8_t flags, const ModelFacts& model);

}  // namespace qmb::emu
