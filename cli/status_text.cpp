#include "cli/status_text.h"

#include <array>

#include "protocol/model_table.h"

namespace qmb {

namespace {

struct TargetName {
    uint8_t target;
    const char* name;
};
constexpr std::array<TargetName, 3> kTargetNames{{{1, "right button"}, {2, "button 4"}, {4, "button 5"}}};

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
    for (const auto& row : kTargetNames) {
        if (row.target == target) {
            return row.name;
        }
    }
    return Unknown(target);
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
    std::string json = "{";
    json += "\"mode\":\"" + ModeName(state.mode) + "\"";
    json += ",\"modeValue\":" + std::to_string(state.mode);
    json += ",\"resolution\":" + std::to_string(state.resolution);
    json += ",\"dpi\":" + (dpi ? std::to_string(*dpi) : std::string("null"));
    json += ",\"interval\":" + std::to_string(state.reportInterval);
    json += ",\"intervalMs\":" + (knownInterval ? std::to_string(state.reportInterval + 1) : std::string("null"));
    json += std::string(",\"autoClick\":") + (state.autoClickOn ? "true" : "false");
    json += ",\"autoClickTarget\":" + std::to_string(state.autoClickTarget);
    json += std::string(",\"siteMode\":") + (state.siteModeOn ? "true" : "false");
    json += "}\n";
    return json;
}

}  // namespace qmb
