// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "device/hid_platform.h"

namespace qmb::test {

// A HID platform whose devices, failures and replies a test writes down,
// and which records every call made to it.
class ScriptedPlatform : public HidPlatform {
public:
    using Report = std::vector<uint8_t>;

    struct Interface {
        uint16_t vendorId = 0x0095;
        uint16_t productId = 0xC048;
        uint8_t buttonReportId = 4;
        uint16_t buttonCaps = 1;
        uint16_t inputLength = 8;
        bool detailFails = false;
        bool openFails = false;
        bool attributesFail = false;
        bool identityListed = false;  // known before opening
    };

    // The mouse's two collections: the status one (report id 4, 8-byte
    // reports) and the memory one (report id 8, 9-byte reports).
    static std::vector<Interface> TheMousesCollections()
    {
        Interface memory;
        memory.buttonReportId = 8;
        memory.inputLength = 9;
        return {Interface{}, memory};
    }

    // The reply the device gives to one output report; empty for none.
    using Responder = std::function<Report(const Report& output)>;

    std::vector<Interface> interfaces;
    std::deque<BindResult> bindResults;  // then Bound
    bool enumerationFails = false;
    bool sendFails = false;
    Responder responder;
    // Runs inside every read, before it answers.
    std::function<void()> whileReading;

    std::vector<std::string> calls;
    std::vector<Report> sent;
    int openHandles = 0;

    BindResult Bind() override;
    void Unbind() override;
    bool BeginEnumeration() override;
    bool HasInterface(size_t index) override;
    std::optional<HidInterfaceDetail> InterfaceDetail(size_t index) override;
    std::optional<HidAttributes> ListedAttributes(size_t index) override;
    void EndEnumeration() override;
    HidHandle Open(const HidInterfaceDetail& detail) override;
    std::optional<HidAttributes> Attributes(HidHandle handle) override;
    std::optional<HidCapabilities> Capabilities(HidHandle handle) override;
    bool SetOutputReport(HidHandle handle, std::span<const uint8_t> report) override;
    ReadResult Read(HidHandle handle, std::span<uint8_t> buffer, std::chrono::milliseconds timeout,
                    bool interruptible) override;
    void InterruptRead() override;
    void Close(HidHandle handle) override;

    // A report the device sends by itself, read before any reply.
    void Push(Report report) { inbox_.push_back(std::move(report)); }

    // The interface index a handle was opened on.
    std::map<HidHandle, size_t> opened;
    // The interface whose handle is open now (one at most, as the link
    // keeps no more).
    size_t OpenInterface() const { return opened.at(openHandle_); }

private:
    HidHandle nextHandle_ = 10;
    HidHandle openHandle_ = kNoHandle;
    std::deque<Report> inbox_;
};

}  // namespace qmb::test
