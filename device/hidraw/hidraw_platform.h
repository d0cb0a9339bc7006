// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "device/hid_platform.h"
#include "device/hidraw/exchange_lock.h"
#include "device/hidraw/report_descriptor.h"
#include "device/hidraw/sysfs_hidraw.h"
#include "device/wake_event.h"

namespace qmb {

// HidPlatform over Linux hidraw. One hidraw node serves a whole USB
// interface, which may hold several top-level collections; each collection
// is listed as an interface of its own, and a handle opened for one of them
// reads only that collection's input reports.
class HidrawPlatform final : public HidPlatform {
public:
    explicit HidrawPlatform(std::string sysfsRoot = "/sys", std::string deviceDirectory = "/dev");
    ~HidrawPlatform() override;
    HidrawPlatform(const HidrawPlatform&) = delete;
    HidrawPlatform& operator=(const HidrawPlatform&) = delete;

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

    ExchangeLock LockExchanges(HidHandle handle, std::chrono::milliseconds bound) override;
    void UnlockExchanges(HidHandle handle) override;
    bool OthersTalkedBetween(HidHandle handle, std::chrono::steady_clock::time_point since,
                             std::chrono::steady_clock::time_point until) override;

    std::unique_ptr<DeviceNotices> CreateNotices() override;
    std::unique_ptr<DeviceNotices> CreateNodeNotices() override;
    std::vector<std::string> InaccessibleNodes(const DeviceIdentity& identity) const override;

private:
    struct ListedInterface {
        size_t node = 0;
        size_t collection = 0;
    };
    struct OpenCollection {
        int fd = -1;
        std::string node;
        TopLevelCollection collection;
        bool reportsCarryId = true;
        std::optional<HidAttributes> ueventIds;
    };
    struct HeldExchange {
        NodeLock lock;
        std::string node;
        std::chrono::steady_clock::time_point since;
    };

    std::string NodePath(const std::string& name) const;
    // The node every program locks for the device of `handle`.
    std::optional<std::string> LockNodeOf(HidHandle handle) const;
    std::optional<OpenCollection> FindOpenCollection(HidHandle handle) const;
    HidHandle NextHandle();

    const std::string sysfsRoot_;
    const std::string deviceDirectory_;
    WakeEvent wake_;

    // The nodes of the last enumeration, kept so that the next one reads
    // only the nodes that are new.
    std::vector<HidrawNode> nodes_;
    // The current enumeration's snapshot.
    std::vector<ListedInterface> interfaces_;

    mutable std::mutex handlesMutex_;
    std::unordered_map<HidHandle, OpenCollection> handles_;
    std::unordered_map<HidHandle, HeldExchange> exchanges_;
    HidHandle lastHandle_ = 0;
};

}  // namespace qmb
