// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/model_table.h"

namespace qmb {

namespace {

constexpr std::array<uint16_t, 11> kElevenStepDpi{125, 250, 375, 500, 625, 750, 875, 1000, 1125, 1250, 1375};
constexpr std::array<uint16_t, 3> kThreeStepDpi{400, 800, 1600};

constexpr std::array<ProfilePreset, 4> kElevenStepPresets{{{8, 1}, {3, 0}, {4, 0}, {11, 1}}};
constexpr std::array<ProfilePreset, 4> kThreeStepPresets{{{3, 7}, {2, 0}, {1, 0}, {1, 0}}};

constexpr std::array<ProfileRule, 4> kElevenStepRules{{{3, 0, 1}, {4, 0, 2}, {8, 1, 0}, {11, 1, 3}}};
constexpr std::array<ProfileRule, 5> kThreeStepRules{{{1, 0, 2}, {1, -1, 0}, {2, 0, 1}, {2, -1, 0}, {3, -1, 0}}};

constexpr ModelFacts kElevenStep{0xC049, 1, 11, kElevenStepDpi, kElevenStepPresets, kElevenStepRules};
constexpr ModelFacts kThreeStep{0xC048, 1, 3, kThreeStepDpi, kThreeStepPresets, kThreeStepRules};

struct ModelNameRow {
    int modelNumber;
    const char* name;
};
constexpr std::array<ModelNameRow, 3> kModelNames{{{2, "T32"}, {3, "QMB-4200plus"}, {4, "QMB-4200P+"}}};
constexpr const char* kDefaultModelName = "T31";

}  // namespace

const ModelFacts& FactsForModel(int modelNumber)
{
    return modelNumber == 1 ? kElevenStep : kThreeStep;
}

DeviceIdentity MouseIdentity(int modelNumber)
{
    return {kMouseVendorId, FactsForModel(modelNumber).productId};
}

bool HasButtons4And5(int modelNumber)
{
    constexpr int kThreeButtonModel = 2;
    return modelNumber != kThreeButtonModel;
}

const char* ModelName(int modelNumber)
{
    for (const auto& row : kModelNames) {
        if (row.modelNumber == modelNumber) {
            return row.name;
        }
    }
    return kDefaultModelName;
}

std::optional<uint16_t> DpiLabel(int modelNumber, uint8_t resolution)
{
    const auto& labels = FactsForModel(modelNumber).dpiLabels;
    if (resolution < 1 || resolution > labels.size()) {
        return std::nullopt;
    }
    return labels[resolution - 1u];
}

std::optional<int> ProfileEntryFor(int modelNumber, uint8_t resolution, uint8_t reportInterval)
{
    for (const auto& rule : FactsForModel(modelNumber).profileRules) {
        if (rule.resolution == resolution && (rule.reportInterval < 0 || rule.reportInterval == reportInterval)) {
            return rule.entry;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IntervalLabel(uint8_t reportInterval)
{
    if (reportInterval > kMaxReportInterval) {
        return std::nullopt;
    }
    return std::to_string(reportInterval + 1) + " msec";
}

}  // namespace qmb
