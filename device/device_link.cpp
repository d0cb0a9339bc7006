// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/device_link.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace qmb {

namespace {

// Longer than any input report of a HID full-speed interrupt endpoint.
constexpr size_t kLongestInputReport = 64;

}  // namespace

DeviceLink::DeviceLink(HidPlatform& platform, DeviceIdentity identity) : platform_(platform), identity_(identity) {}

DeviceLink::~DeviceLink()
{
    CloseDevice();
    if (bound_) {
        platform_.Unbind();
    }
}

int DeviceLink::OpenDevice(uint8_t reportId, bool exclusive)
{
    busy_ = false;
    if (deviceHandle_ != kNoHandle) {
        CloseDevice();
    }
    if (!bound_ && !BindPlatform()) {
        return 0;
    }
    // Whatever reaches the collection from here on came after this point.
    openedAt_ = Clock::now();
    if (!Discover(reportId)) {
        CloseDevice();
        return 0;
    }
    if (exclusive && platform_.LockExchanges(deviceHandle_, kExchangeLockBound) == ExchangeLock::Busy) {
        busy_ = true;
        CloseDevice();
        return 0;
    }
    exchangesLocked_ = exclusive;
    openReportId_ = reportId;
    return 1;
}

void DeviceLink::CloseDevice()
{
    if (deviceHandle_ != kNoHandle) {
        if (exchangesLocked_) {
            platform_.UnlockExchanges(deviceHandle_);
            exchangesLocked_ = false;
        }
        platform_.Close(deviceHandle_);
        deviceHandle_ = kNoHandle;
    }
}

bool DeviceLink::BindPlatform()
{
    if (bindingFailedForGood_) {
        return false;
    }
    switch (platform_.Bind()) {
    case BindResult::Bound:
        bound_ = true;
        missingReported_ = false;
        return true;
    case BindResult::Missing:
        // Tried again on every open, but said once: the watcher opens again
        // at every arrival and stop, and the line would fill the terminal.
        if (!missingReported_) {
            std::fputs("Failed to load hidraw support.\n", stderr);
            missingReported_ = true;
        }
        return false;
    case BindResult::Incomplete:
        bindingFailedForGood_ = true;
        return false;
    }
    return false;
}

bool DeviceLink::Discover(uint8_t reportId)
{
    if (!platform_.BeginEnumeration()) {
        platform_.Unbind();
        bound_ = false;
        return false;
    }
    for (size_t index = 0; platform_.HasInterface(index); ++index) {
        const auto detail = platform_.InterfaceDetail(index);
        if (!detail) {
            break;
        }
        if (const auto listed = platform_.ListedAttributes(index); listed && !IsTheMouse(*listed)) {
            continue;
        }
        deviceHandle_ = platform_.Open(*detail);
        if (deviceHandle_ == kNoHandle) {
            continue;
        }
        if (Matches(deviceHandle_, reportId)) {
            platform_.EndEnumeration();
            return true;
        }
        CloseDevice();
    }
    platform_.EndEnumeration();
    return false;
}

bool DeviceLink::IsTheMouse(const HidAttributes& attributes) const
{
    return attributes.vendorId == identity_.vendorId && attributes.productId == identity_.productId;
}

bool DeviceLink::Matches(HidHandle handle, uint8_t reportId)
{
    const auto attributes = platform_.Attributes(handle);
    if (!attributes || !IsTheMouse(*attributes)) {
        return false;
    }
    const auto caps = platform_.Capabilities(handle);
    if (!caps) {
        return false;
    }
    capabilities_ = *caps;
    return capabilities_.numberInputButtonCaps > 0 && capabilities_.firstInputButtonReportId == reportId;
}

DeviceLink::Session::Sent DeviceLink::SendReport(std::span<const uint8_t> report)
{
    Session::Sent result;
    if (report.empty() || deviceHandle_ == kNoHandle || report[0] != openReportId_) {
        return result;
    }
    result.earlier = TakePendingInput();
    if (!platform_.SetOutputReport(deviceHandle_, report)) {
        return result;
    }
    if (trace_) {
        trace_->Output(report);
    }
    result.sent = 1;
    return result;
}

std::vector<DeviceLink::InputReport> DeviceLink::TakePendingInput()
{
    std::vector<InputReport> pending;
    std::array<uint8_t, kLongestInputReport> buffer{};
    const auto length = std::min<size_t>(capabilities_.inputReportByteLength, buffer.size());
    for (;;) {
        buffer.fill(0);
        const auto result =
            platform_.Read(deviceHandle_, std::span(buffer).first(length), std::chrono::milliseconds(0), false);
        if (result.status != ReadStatus::Ok) {
            return pending;
        }
        const auto report = std::span(buffer).first(result.length);
        if (trace_) {
            trace_->Input(report);
        }
        pending.emplace_back(report.begin(), report.end());
    }
}

int DeviceLink::ReadReport(std::span<uint8_t> buffer)
{
    if (deviceHandle_ == kNoHandle) {
        return 0;
    }
    const auto length = std::min<size_t>(capabilities_.inputReportByteLength, buffer.size());
    const auto result = platform_.Read(deviceHandle_, buffer.first(length), kReplyWait, false);
    if (result.status == ReadStatus::Ok && trace_) {
        trace_->Input(buffer.first(result.length));
    }
    return result.status == ReadStatus::Ok ? 1 : 0;
}

int DeviceLink::PollReport(std::span<uint8_t> buffer)
{
    if (deviceHandle_ == kNoHandle) {
        return 0;
    }
    const auto length = std::min<size_t>(capabilities_.inputReportByteLength, buffer.size());
    const auto result = platform_.Read(deviceHandle_, buffer.first(length), kNoTimeout, true);
    if (result.status != ReadStatus::Ok) {
        return 0;
    }
    polledAt_ = Clock::now();
    if (trace_) {
        trace_->Input(buffer.first(result.length));
    }
    return 1;
}

void DeviceLink::InterruptPoll()
{
    platform_.InterruptRead();
}

std::unique_ptr<DeviceNotices> DeviceLink::CreateNodeNotices()
{
    return platform_.CreateNodeNotices();
}

void DeviceLink::SetTrace(ReportTrace* trace)
{
    trace_ = trace;
}

DeviceLink::Session DeviceLink::CommandSession()
{
    std::unique_lock lock(accessMutex_);
    ++commandsWaiting_;
    if (holder_ == Holder::Watcher) {
        platform_.InterruptRead();
    }
    accessChanged_.wait(lock, [this] { return holder_ == Holder::None; });
    --commandsWaiting_;
    holder_ = Holder::Command;
    return Session(this, true);
}

DeviceLink::Session DeviceLink::WatcherSession()
{
    std::unique_lock lock(accessMutex_);
    accessChanged_.wait(lock, [this] { return holder_ == Holder::None && commandsWaiting_ == 0; });
    holder_ = Holder::Watcher;
    return Session(this, false);
}

void DeviceLink::Release()
{
    // Whoever held the device, the next one starts from a closed handle.
    CloseDevice();
    {
        std::lock_guard lock(accessMutex_);
        holder_ = Holder::None;
    }
    accessChanged_.notify_all();
}

DeviceLink::Session::Session(Session&& other) noexcept : link_(other.link_), exclusive_(other.exclusive_)
{
    other.link_ = nullptr;
}

DeviceLink::Session::~Session()
{
    if (link_) {
        link_->Release();
    }
}

int DeviceLink::Session::OpenDevice(uint8_t reportId)
{
    return link_->OpenDevice(reportId, exclusive_);
}

void DeviceLink::Session::CloseDevice()
{
    link_->CloseDevice();
}

bool DeviceLink::Session::isOpen() const
{
    return link_->deviceHandle_ != kNoHandle;
}

bool DeviceLink::Session::busy() const
{
    return link_->busy_;
}

DeviceLink::Session::Sent DeviceLink::Session::SendReport(std::span<const uint8_t> report)
{
    return link_->SendReport(report);
}

int DeviceLink::Session::ReadReport(std::span<uint8_t> buffer)
{
    return link_->ReadReport(buffer);
}

int DeviceLink::Session::PollReport(std::span<uint8_t> buffer)
{
    return link_->PollReport(buffer);
}

bool DeviceLink::Session::PolledFromOthers()
{
    return link_->deviceHandle_ != kNoHandle &&
           link_->platform_.OthersTalkedBetween(link_->deviceHandle_, link_->openedAt_, link_->polledAt_);
}

const HidCapabilities& DeviceLink::Session::capabilities() const
{
    return link_->capabilities_;
}

}  // namespace qmb
