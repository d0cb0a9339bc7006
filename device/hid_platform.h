// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/device_notices.h"

namespace qmb {

// The narrow seam between device discovery and the operating system's HID
// support. Discovery (DeviceLink::OpenDevice) is written once above it; each
// backend (hidraw, the emulated mouse, the scripted platform of the tests)
// only answers these calls.
//
// An "interface" is one top-level HID collection. Several collections may
// share one device node; the detail tells them apart.

enum class BindResult {
    Bound,       // HID support is there
    Missing,     // HID support is absent now; binding is tried again next time
    Incomplete,  // HID support is there but unusable; never tried again
};

struct HidInterfaceDetail {
    std::string path;      // device node
    int collection = 0;    // index of the top-level collection within that node
};

// Which device discovery looks for.
struct DeviceIdentity {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
};

struct HidAttributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t versionNumber = 0;
};

struct HidCapabilities {
    // Bytes every read of this collection asks for: its largest input report
    // plus one byte for the report id.
    uint16_t inputReportByteLength = 0;
    uint16_t numberInputButtonCaps = 0;
    // Report id of the first input button item; meaningful only when
    // numberInputButtonCaps is not 0.
    uint8_t firstInputButtonReportId = 0;
};

using HidHandle = int;
inline constexpr HidHandle kNoHandle = -1;

// A read with this time-out waits until a report comes, the device goes or
// InterruptRead cuts it short, however long that takes.
inline constexpr std::chrono::milliseconds kNoTimeout = std::chrono::milliseconds::max();

enum class ReadStatus {
    Ok,           // one input report is in the buffer
    TimedOut,     // nothing arrived in time
    Interrupted,  // an interruptible read was cut short by InterruptRead
    Failed,       // the handle is gone (device removed, closed)
};

struct ReadResult {
    ReadStatus status = ReadStatus::Failed;
    size_t length = 0;  // bytes written into the caller's buffer
};

enum class ExchangeLock {
    Taken,  // no other program talks to the device until it is given back
    Busy,   // another program kept talking to it for the whole wait
};

class HidPlatform {
public:
    virtual ~HidPlatform() = default;

    virtual BindResult Bind() = 0;
    virtual void Unbind() = 0;

    // One enumeration: a snapshot of the present interfaces, walked by index.
    virtual bool BeginEnumeration() = 0;
    virtual bool HasInterface(size_t index) = 0;
    virtual std::optional<HidInterfaceDetail> InterfaceDetail(size_t index) = 0;
    // The identity of a listed interface when the platform knows it without
    // opening the device; discovery then passes over other devices untouched.
    virtual std::optional<HidAttributes> ListedAttributes(size_t /*index*/) { return std::nullopt; }
    virtual void EndEnumeration() = 0;

    virtual HidHandle Open(const HidInterfaceDetail& detail) = 0;
    virtual std::optional<HidAttributes> Attributes(HidHandle handle) = 0;
    virtual std::optional<HidCapabilities> Capabilities(HidHandle handle) = 0;
    virtual bool SetOutputReport(HidHandle handle, std::span<const uint8_t> report) = 0;
    // Waits at most `timeout` (or without end: kNoTimeout) for one input
    // report of the opened collection and copies at most buffer.size() bytes
    // of it. Never writes into the buffer after it has returned.
    virtual ReadResult Read(HidHandle handle, std::span<uint8_t> buffer,
                            std::chrono::milliseconds timeout, bool interruptible) = 0;
    // Cuts short an interruptible Read in flight on any thread, or the next
    // one to start.
    virtual void InterruptRead() = 0;
    virtual void Close(HidHandle handle) = 0;

    // Other programs open the same device: every exchange keeps theirs out,
    // from its first report to its last reply, so that the first report
    // after a request is its reply. Waits at most `bound` for an exchange
    // under way to end; UnlockExchanges comes before the handle's Close. A
    // platform no other program reaches keeps nobody out and never waits.
    virtual ExchangeLock LockExchanges(HidHandle /*handle*/, std::chrono::milliseconds /*bound*/)
    {
        return ExchangeLock::Taken;
    }
    virtual void UnlockExchanges(HidHandle /*handle*/) {}
    // Whether another program talked to the device of `handle` at some
    // time from `since` to `until`, or talks to it now: a report read then
    // may be the reply to its request rather than news from the device.
    virtual bool OthersTalkedBetween(HidHandle /*handle*/, std::chrono::steady_clock::time_point /*since*/,
                                     std::chrono::steady_clock::time_point /*until*/)
    {
        return false;
    }

    // Arrivals and removals of USB devices as this platform learns of them;
    // none when it cannot tell (the watcher's passes then notice alone).
    virtual std::unique_ptr<DeviceNotices> CreateNotices() { return nullptr; }
    // Arrivals and removals of anything that may carry the mouse: a HID
    // node, whatever its bus, or a USB device. None when the platform cannot
    // tell; a watcher then looks for the mouse now and then.
    virtual std::unique_ptr<DeviceNotices> CreateNodeNotices() { return nullptr; }
    // Device nodes of `identity` that exist but this user may not open.
    virtual std::vector<std::string> InaccessibleNodes(const DeviceIdentity& /*identity*/) const { return {}; }
};

}  // namespace qmb
