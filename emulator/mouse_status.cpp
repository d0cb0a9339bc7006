// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/mouse_status.h"

#include <algorithm>
#include <array>

#include "emulator/command_codes.h"

namespace qmb::emu {

namespace {

struct ModelRow {
    int modelNumber;
    ModelFacts facts;
};

constexpr std::array<ModelRow, 1> kModels{{{1, {0xC049, 11}}}};
constexpr ModelFacts kOtherModels{0xC048, 3};

constexpr std::array<uint8_t, 2> kModes{1, 2};
constexpr std::array<uint8_t, 3> kAutoClickTargets{1, 2, 4};
constexpr uint8_t kMaxReportInterval = 7;

constexpr uint8_t kAutoClickBit = 0x80;
constexpr uint8_t kSiteModeBit = 0x40;
constexpr uint8_t kTargetMask = 0x07;

constexpr bool Contains(std::span<const uint8_t> values, uint8_t value) {
    return std::ranges::find(values, value) != values.end();
}

}  // namespace

ModelFacts ModelFactsFor(int modelNumber) {
    const auto row = std::ranges::find(kModels, modelNumber, &ModelRow::modelNumber);
    return row == kModels.end() ? kOtherModels : row->facts;
}

uint8_t FlagsByte(const MouseStatus& status) {
    return static_cast<uint8_t>((status.autoClickOn ? kAutoClickBit : 0) | (status.siteModeOn ? kSiteModeBit : 0) |
                                (status.autoClickTarget & kTargetMask));
}

Report StatusReport(uint8_t reportId, const MouseStatus& status) {
    const std::array<uint8_t, 5> fields{status.mode, status.resolution, status.reportInterval, 0, FlagsByte(status)};
    return MakeReply(reportId, kStatusCode, fields);
}

MouseStatus AppliedStatusWrite(const MouseStatus& current, uint8_t mode, uint8_t resolution,
                               uint8_t reportInterval, uint8_t flags, const ModelFacts& model) {
    MouseStatus next = current;
    if (Contains(kModes, mode)) {
        next.mode = mode;
    }
    if (resolution >= 1 && resolution <= model.maxResolution) {
        next.resolution = resolution;
    }
    if (reportInterval <= kMaxReportInterval) {
        next.reportInterval = reportInterval;
    }
    next.autoClickOn = (flags & kAutoClickBit) != 0;
    next.siteModeOn = current.siteModeOn && (flags & kSiteModeBit) != 0;
    if (Contains(kAutoClickTargets, flags & kTargetMask)) {
        next.autoClickTarget = flags & kTargetMask;
    }
    return next;
}

}  // namespace qmb::emu
