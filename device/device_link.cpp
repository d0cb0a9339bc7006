#include "device/device_link.h"

#include <array>
#include <cstdio>

namespace qmb {

namespace {

constexpr uint16_t kProductIdElevenSteps = 0xC049;
constexpr uint16_t kProductIdThreeSteps = 0xC048;
constexpr size_t kLongestReport = 9;

}  // namespace

DeviceLink::DeviceLink(HidPlatform& platform) : platform_(platform) {}

DeviceLink::~DeviceLink()
{
    CloseDevice();
    if (bound_) {
        platform_.Unbind();
    }
}

uint16_t DeviceLink::WantedProductId() const
{
    return modelNumber == 1 ? kProductIdElevenSteps : kProductIdThreeSteps;
}

int DeviceLink::OpenDevice()
{
    if (deviceHandle != kNoHandle) {
        CloseDevice();
    }
    if (!bound_ && !BindPlatform()) {
        return 0;
    }
    if (Discover()) {
        return 1;
    }
    CloseDevice();
    return 0;
}

int DeviceLink::CloseDevice()
{
    if (deviceHandle != kNoHandle) {
        platform_.Close(deviceHandle);
        deviceHandle = kNoHandle;
    }
    return 1;
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
        // Tried again on every open, but said once: the watcher opens several
        // times a second and the line would flood the terminal.
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

bool DeviceLink::Discover()
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
        deviceHandle = platform_.Open(*detail);
        if (deviceHandle == kNoHandle) {
            continue;
        }
        if (Matches(deviceHandle)) {
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
    return attributes.vendorId == kMouseVendorId && attributes.productId == WantedProductId();
}

bool DeviceLink::Matches(HidHandle handle)
{
    const auto attributes = platform_.Attributes(handle);
    if (!attributes || !IsTheMouse(*attributes)) {
        return false;
    }
    const auto caps = platform_.Capabilities(handle);
    if (!caps) {
        return false;
    }
    capabilities = *caps;
    return capabilities.numberInputButtonCaps > 0 &&
           capabilities.firstInputButtonReportId == currentReportId;
}

int DeviceLink::SendReport(HidHandle handle, std::span<const uint8_t> report)
{
    if (report.empty() || (report[0] != 4 && report[0] != 8) || handle == kNoHandle) {
        return 0;
    }
    TakePendingInput(handle);
    if (!platform_.SetOutputReport(handle, report)) {
        return 0;
    }
    if (trace_) {
        trace_->Output(report);
    }
    return 1;
}

void DeviceLink::TakePendingInput(HidHandle handle)
{
    // Whatever the mouse sent before the request cannot be its reply; left
    // waiting, it would be read as one. A StatusReport among it still tells
    // the state.
    std::array<uint8_t, kLongestReport> pending{};
    const auto length = std::min<size_t>(capabilities.inputReportByteLength, pending.size());
    for (;;) {
        pending.fill(0);
        const auto result = platform_.Read(handle, std::span(pending).first(length), std::chrono::milliseconds(0), false);
        if (result.status != ReadStatus::Ok) {
            return;
        }
        if (trace_) {
            trace_->Input(std::span(pending).first(result.length));
        }
        if (pending[1] == 0xCA && statusHandler_) {
            statusHandler_(pending);
        }
    }
}

int DeviceLink::ReadReport(HidHandle handle, std::span<uint8_t> buffer)
{
    readBusy = 1;
    if (handle == kNoHandle) {
        readBusy = 0;
        return 0;
    }
    const auto length = std::min<size_t>(capabilities.inputReportByteLength, buffer.size());
    const auto result = platform_.Read(handle, buffer.first(length), kReplyWait, false);
    if (result.status != ReadStatus::Ok) {
        readBusy = 0;
        return 0;
    }
    if (trace_) {
        trace_->Input(buffer.first(result.length));
    }
    if (buffer.size() > 1 && buffer[1] == 0xCA && statusHandler_) {
        statusHandler_(buffer);
    }
    readBusy = 0;
    return 1;
}

int DeviceLink::PollReport(HidHandle handle, std::span<uint8_t> buffer)
{
    if (handle == kNoHandle) {
        return 0;
    }
    const auto length = std::min<size_t>(capabilities.inputReportByteLength, buffer.size());
    const auto result = platform_.Read(handle, buffer.first(length), kPollWait, true);
    if (result.status != ReadStatus::Ok) {
        return 0;
    }
    if (trace_) {
        trace_->Input(buffer.first(result.length));
    }
    return 1;
}

void DeviceLink::InterruptPoll()
{
    platform_.InterruptRead();
}

void DeviceLink::SetStatusReportHandler(StatusReportHandler handler)
{
    statusHandler_ = std::move(handler);
}

void DeviceLink::SetTrace(ReportTrace* trace)
{
    trace_ = trace;
}

DeviceLink::Access DeviceLink::CommandAccess()
{
    std::unique_lock lock(accessMutex_);
    ++commandsWaiting_;
    if (holder_ == Holder::Watcher) {
        platform_.InterruptRead();
    }
    accessChanged_.wait(lock, [this] { return holder_ == Holder::None; });
    --commandsWaiting_;
    holder_ = Holder::Command;
    return Access(this);
}

DeviceLink::Access DeviceLink::WatcherAccess()
{
    std::unique_lock lock(accessMutex_);
    accessChanged_.wait(lock, [this] { return holder_ == Holder::None && commandsWaiting_ == 0; });
    holder_ = Holder::Watcher;
    return Access(this);
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

DeviceLink::Access::Access(Access&& other) noexcept : link_(other.link_)
{
    other.link_ = nullptr;
}

DeviceLink::Access::~Access()
{
    if (link_) {
        link_->Release();
    }
}

}  // namespace qmb
