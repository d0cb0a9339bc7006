// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/status_text.h"

#include <QJsonObject>

#include <string_view>

#include "cli/json_text.h"
#include "protocol/model_table.h"
#include "protocol/sequence_tables.h"

namespace qmb {

namespace {

std::string Unknown(int value)
{
    return "unknown (" + std::to_string(value) + ")";
}

std::string ModeName(uint8_t mode)
{
    switch (static_cast<Mode>(mode)) {
    case Mode::Button:
        return "button";
    case Mode::Function:
        return "function";
    }
    return Unknown(mode);
}

std::string TargetText(uint8_t target)
{
    const char* word = WordOfValue(kAutoClickTargets, target);
    if (!word) {
        return Unknown(target);
    }
    return word == std::string_view("right") ? "right button" : std::string("button ") + word;
}

const char* OnOff(int32_t flag)
{
    return flag ? "on" : "off";
}

}  // namespace

std::string StatusText(const DeviceState& state, int modelNumber)
{
    const auto dpi = DpiLabel(modelNumber, state.resolution);
    std::string text;
    text += "mode:        " + ModeName(state.mode) + "\n";
    text += "resolution:  " + std::to_string(state.resolution) +
            (dpi ? " (" + std::to_string(*dpi) + " dpi)" : std::string(" (outside this model's steps)")) + "\n";
    text += "interval:    " + IntervalLabel(state.reportInterval).value_or(Unknown(state.reportInterval)) + "\n";
    text += std::string("auto-click:  ") + OnOff(state.autoClickOn) + ", target " + TargetText(state.autoClickTarget) +
            "\n";
    text += std::string("web-site:    ") + OnOff(state.siteModeOn) + "\n";
    return text;
}

std::string StatusLine(const DeviceState& state, int modelNumber)
{
    const auto dpi = DpiLabel(modelNumber, state.resolution);
    return ModeName(state.mode) + " mode, resolution " + std::to_string(state.resolution) +
           (dpi ? " (" + std::to_string(*dpi) + " dpi)" : std::string()) + ", interval " +
           IntervalLabel(state.reportInterval).value_or(Unknown(state.reportInterval)) + ", auto-click " +
           OnOff(state.autoClickOn) + " (target " + TargetText(state.autoClickTarget) + "), web-site " +
           OnOff(state.siteModeOn);
}

std::string StatusJson(const DeviceState& state, int modelNumber)
{
    const auto dpi = DpiLabel(modelNumber, state.resolution);
    const bool knownInterval = IntervalLabel(state.reportInterval).has_value();
    return JsonLine(QJsonObject{
        {"mode", QString::fromStdString(ModeName(state.mode))},
        {"modeValue", state.mode},
        {"resolution", state.resolution},
        {"dpi", dpi ? QJsonValue(*dpi) : QJsonValue()},
        {"interval", state.reportInterval},
        {"intervalMs", knownInterval ? QJsonValue(state.reportInterval + 1) : QJsonValue()},
        {"autoClick", state.autoClickOn != 0},
        {"autoClickTarget", state.autoClickTarget},
        {"siteMode", state.siteModeOn != 0},
    });
}

}  // namespace qmb
