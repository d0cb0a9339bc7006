// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/hid_uevent.h"

#include <charconv>
#include <cstdint>

namespace qmb {
namespace {

constexpr std::string_view kHidIdKey = "HID_ID=";

std::optional<uint32_t> ParseHexField(std::string_view field)
{
    uint32_t value = 0;
    const char* end = field.data() + field.size();
    const auto [stop, error] = std::from_chars(field.data(), end, value, 16);
    if (field.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<HidAttributes> ParseHidId(std::string_view value)
{
    const size_t firstColon = value.find(':');
    if (firstColon == std::string_view::npos) {
        return std::nullopt;
    }
    const size_t secondColon = value.find(':', firstColon + 1);
    if (secondColon == std::string_view::npos) {
        return std::nullopt;
    }
    const auto bus = ParseHexField(value.substr(0, firstColon));
    const auto vendor = ParseHexField(value.substr(firstColon + 1, secondColon - firstColon - 1));
    const auto product = ParseHexField(value.substr(secondColon + 1));
    if (!bus || !vendor || !product || *vendor > UINT16_MAX || *product > UINT16_MAX) {
        return std::nullopt;
    }
    HidAttributes attributes;
    attributes.vendorId = static_cast<uint16_t>(*vendor);
    attributes.productId = static_cast<uint16_t>(*product);
    return attributes;
}

}  // namespace

std::optional<HidAttributes> ParseHidUevent(std::string_view uevent)
{
    while (!uevent.empty()) {
        const size_t lineEnd = uevent.find('\n');
        const std::string_view line = uevent.substr(0, lineEnd);
        if (line.starts_with(kHidIdKey)) {
            return ParseHidId(line.substr(kHidIdKey.size()));
        }
        if (lineEnd == std::string_view::npos) {
            break;
        }
        uevent.remove_prefix(lineEnd + 1);
    }
    return std::nullopt;
}

}  // namespace qmb
