// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "device/hid_platform.h"

namespace qmb {

inline constexpr uint16_t kMouseVendorId = 0x0095;

// A profile entry: resolution step and report interval set together.
struct ProfilePreset {
    uint8_t resolution;
    uint8_t reportInterval;
};

// Which profile entry a resolution and interval show; `reportInterval`
// -1 matches any interval. The first matching rule wins.
struct ProfileRule {
    uint8_t resolution;
    int reportInterval;
    int entry;
};

// What differs between the two kinds of mouse. Model 1 is the eleven-step
// mouse; every other model number is the three-step one.
struct ModelFacts {
    uint16_t productId;
    uint8_t resolutionMin;
    uint8_t resolutionMax;
    std::span<const uint16_t> dpiLabels;         // by resolution step, from 1
    std::span<const ProfilePreset> presets;      // by profile entry
    std::span<const ProfileRule> profileRules;
};

const ModelFacts& FactsForModel(int modelNumber);

// The vendor and product id that discovery looks for with a model.
DeviceIdentity MouseIdentity(int modelNumber);

// Whether the model has a 4th and a 5th button; the T32 (model 2) has
// three.
bool HasButtons4And5(int modelNumber);

// The model's name as the tray shows it.
const char* ModelName(int modelNumber);

// The DPI shown for a resolution step; none outside the model's steps.
std::optional<uint16_t> DpiLabel(int modelNumber, uint8_t resolution);

// The profile entry a resolution and interval select, or none (then the
// selection stays as it is).
std::optional<int> ProfileEntryFor(int modelNumber, uint8_t resolution, uint8_t reportInterval);

inline constexpr uint8_t kMaxReportInterval = 7;

// "1 msec" .. "8 msec" for report interval 0..7; none for other values.
std::optional<std::string> IntervalLabel(uint8_t reportInterval);

}  // namespace qmb
