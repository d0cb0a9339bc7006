// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/support/scripted_platform.h"

#include <algorithm>
#include <thread>

namespace qmb::test {

BindResult ScriptedPlatform::Bind()
{
    calls.push_back("Bind");
    if (bindResults.empty()) {
        return BindResult::Bound;
    }
    const BindResult result = bindResults.front();
    bindResults.pop_front();
    return result;
}

void ScriptedPlatform::Unbind()
{
    calls.push_back("Unbind");
}

bool ScriptedPlatform::BeginEnumeration()
{
    calls.push_back("Begin");
    return !enumerationFails;
}

bool ScriptedPlatform::HasInterface(size_t index)
{
    return index < interfaces.size();
}

std::optional<HidInterfaceDetail> ScriptedPlatform::InterfaceDetail(size_t index)
{
    calls.push_back("Detail " + std::to_string(index));
    if (interfaces[index].detailFails) {
        return std::nullopt;
    }
    return HidInterfaceDetail{"/dev/scripted" + std::to_string(index), 0};
}

std::optional<HidAttributes> ScriptedPlatform::ListedAttributes(size_t index)
{
    const auto& interface = interfaces[index];
    if (!interface.identityListed) {
        return std::nullopt;
    }
    return HidAttributes{interface.vendorId, interface.productId, 0};
}

void ScriptedPlatform::EndEnumeration()
{
    calls.push_back("End");
}

HidHandle ScriptedPlatform::Open(const HidInterfaceDetail& detail)
{
    const size_t index = std::stoul(detail.path.substr(std::string("/dev/scripted").size()));
    calls.push_back("Open " + std::to_string(index));
    if (interfaces[index].openFails) {
        return kNoHandle;
    }
    const HidHandle handle = nextHandle_++;
    opened[handle] = index;
    openHandle_ = handle;
    ++openHandles;
    return handle;
}

std::optional<HidAttributes> ScriptedPlatform::Attributes(HidHandle handle)
{
    const auto& interface = interfaces[opened.at(handle)];
    if (interface.attributesFail) {
        return std::nullopt;
    }
    return HidAttributes{interface.vendorId, interface.productId, 0};
}

std::optional<HidCapabilities> ScriptedPlatform::Capabilities(HidHandle handle)
{
    const auto& interface = interfaces[opened.at(handle)];
    return HidCapabilities{interface.inputLength, interface.buttonCaps, interface.buttonReportId};
}

bool ScriptedPlatform::SetOutputReport(HidHandle handle, std::span<const uint8_t> report)
{
    calls.push_back("Send " + std::to_string(opened.at(handle)));
    if (sendFails) {
        return false;
    }
    Report output(report.begin(), report.end());
    sent.push_back(output);
    if (responder) {
        Report reply = responder(output);
        if (!reply.empty()) {
            inbox_.push_back(std::move(reply));
        }
    }
    return true;
}

ReadResult ScriptedPlatform::Read(HidHandle, std::span<uint8_t> buffer, std::chrono::milliseconds timeout, bool)
{
    if (whileReading) {
        whileReading();
    }
    if (inbox_.empty()) {
        std::this_thread::sleep_for(std::min(timeout, std::chrono::milliseconds(5)));
        return {ReadStatus::TimedOut, 0};
    }
    const Report reply = inbox_.front();
    inbox_.pop_front();
    const size_t length = std::min(reply.size(), buffer.size());
    std::copy_n(reply.begin(), length, buffer.begin());
    return {ReadStatus::Ok, length};
}

void ScriptedPlatform::InterruptRead() {}

void ScriptedPlatform::Close(HidHandle handle)
{
    calls.push_back("Close " + std::to_string(opened.at(handle)));
    --openHandles;
}

}  // namespace qmb::test
