// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/platform/emulated_platform.h"

#include <algorithm>
#include <array>
#include <deque>
#include <utility>

#include "device/wake_event.h"

namespace qmb {

namespace {

constexpr const char* kPath = "emulated:qmb";

struct CollectionShape {
    uint8_t reportId;
    uint16_t inputLength;
};
constexpr std::array<CollectionShape, 2> kCollections{{{4, 8}, {8, 9}}};

}  // namespace

// The notices of one DeviceNotices, shared with the platform that queues
// them: either may go first.
class EmulatedPlatform::NoticeQueue {
public:
    int fd() const { return wake_.fd(); }

    void Push(DeviceNotice notice)
    {
        {
            std::lock_guard lock(mutex_);
            pending_.push_back(notice);
        }
        wake_.Signal();
    }

    std::deque<DeviceNotice> Take()
    {
        wake_.Drain();
        std::lock_guard lock(mutex_);
        return std::exchange(pending_, {});
    }

private:
    WakeEvent wake_;
    std::mutex mutex_;
    std::deque<DeviceNotice> pending_;
};

namespace {

class EmulatedNotices final : public DeviceNotices {
public:
    explicit EmulatedNotices(std::shared_ptr<EmulatedPlatform::NoticeQueue> queue) : queue_(std::move(queue)) {}

    int fd() const override { return queue_->fd(); }
    void ReadNotices(const std::function<void(DeviceNotice)>& handle) override
    {
        for (const DeviceNotice notice : queue_->Take()) {
            handle(notice);
        }
    }

private:
    std::shared_ptr<EmulatedPlatform::NoticeQueue> queue_;
};

}  // namespace

EmulatedPlatform::EmulatedPlatform(int modelNumber) : mouse_(modelNumber) {}

void EmulatedPlatform::Unplug()
{
    {
        std::lock_guard lock(mutex_);
        if (!pluggedIn_) {
            return;
        }
        pluggedIn_ = false;
        for (auto& [handle, collection] : open_) {
            collection.stale = true;
            collection.inbox.clear();
        }
        held_.clear();
    }
    inboxChanged_.notify_all();
    Notify(DeviceNotice::Removal);
}

void EmulatedPlatform::PlugIn()
{
    {
        std::lock_guard lock(mutex_);
        if (pluggedIn_) {
            return;
        }
        pluggedIn_ = true;
    }
    Notify(DeviceNotice::Arrival);
}

bool EmulatedPlatform::pluggedIn() const
{
    std::lock_guard lock(mutex_);
    return pluggedIn_;
}

void EmulatedPlatform::Notify(DeviceNotice notice)
{
    std::lock_guard lock(mutex_);
    std::erase_if(noticeQueues_, [](const auto& queue) { return queue.expired(); });
    for (const auto& weak : noticeQueues_) {
        if (const auto queue = weak.lock()) {
            queue->Push(notice);
        }
    }
}

std::unique_ptr<DeviceNotices> EmulatedPlatform::CreateNodeNotices()
{
    // The demo mouse is its own USB device and its own HID nodes: each plug
    // is both.
    return CreateNotices();
}

std::unique_ptr<DeviceNotices> EmulatedPlatform::CreateNotices()
{
    auto queue = std::make_shared<NoticeQueue>();
    if (queue->fd() < 0) {
        return nullptr;
    }
    std::lock_guard lock(mutex_);
    noticeQueues_.push_back(queue);
    return std::make_unique<EmulatedNotices>(std::move(queue));
}

void EmulatedPlatform::PressReset()
{
    Press([this] { return mouse_.PressReset(); });
}

void EmulatedPlatform::PressModeSwitch()
{
    Press([this] { return mouse_.PressModeSwitch(); });
}

void EmulatedPlatform::SendUnsolicited(Report report)
{
    Press([&] { return std::move(report); });
}

void EmulatedPlatform::Press(const std::function<Report()>& press)
{
    {
        // The mouse changes and reports in one step, so no command can slip
        // in between.
        std::lock_guard lock(mutex_);
        if (!pluggedIn_) {
            return;
        }
        Deliver(press(), Clock::now());
    }
    inboxChanged_.notify_all();
}

void EmulatedPlatform::SetFaults(const Faults& faults)
{
    std::lock_guard lock(mutex_);
    faults_ = faults;
}

void EmulatedPlatform::SetSendObserver(std::function<void()> observer)
{
    std::lock_guard lock(mutex_);
    sendObserver_ = std::move(observer);
}

void EmulatedPlatform::RecordSentReports()
{
    std::lock_guard lock(mutex_);
    recordSent_ = true;
}

std::vector<EmulatedPlatform::Report> EmulatedPlatform::TakeSentReports()
{
    std::lock_guard lock(mutex_);
    return std::exchange(sent_, {});
}

void EmulatedPlatform::InspectMouse(const std::function<void(const emu::VirtualMouse&)>& inspect) const
{
    std::lock_guard lock(mutex_);
    inspect(mouse_);
}

BindResult EmulatedPlatform::Bind()
{
    return BindResult::Bound;
}

void EmulatedPlatform::Unbind() {}

bool EmulatedPlatform::BeginEnumeration()
{
    return true;
}

bool EmulatedPlatform::HasInterface(size_t index)
{
    std::lock_guard lock(mutex_);
    return pluggedIn_ && index < kCollections.size();
}

std::optional<HidInterfaceDetail> EmulatedPlatform::InterfaceDetail(size_t index)
{
    if (!HasInterface(index)) {
        return std::nullopt;
    }
    return HidInterfaceDetail{kPath, static_cast<int>(index)};
}

void EmulatedPlatform::EndEnumeration() {}

HidHandle EmulatedPlatform::Open(const HidInterfaceDetail& detail)
{
    std::unique_lock lock(mutex_);
    if (!pluggedIn_ || detail.path != kPath || detail.collection < 0 ||
        static_cast<size_t>(detail.collection) >= kCollections.size()) {
        return kNoHandle;
    }
    const HidHandle handle = nextHandle_++;
    OpenCollection& collection = open_[handle];
    collection.reportId = kCollections[static_cast<size_t>(detail.collection)].reportId;
    if (const auto held = held_.extract(collection.reportId)) {
        collection.inbox.push_back({held.mapped(), Clock::now()});
    }
    return handle;
}

std::optional<HidAttributes> EmulatedPlatform::Attributes(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    if (!open_.contains(handle)) {
        return std::nullopt;
    }
    return HidAttributes{emu::kVendorId, mouse_.productId(), 0x0100};
}

std::optional<HidCapabilities> EmulatedPlatform::Capabilities(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    const auto it = open_.find(handle);
    if (it == open_.end()) {
        return std::nullopt;
    }
    for (const auto& shape : kCollections) {
        if (shape.reportId == it->second.reportId) {
            return HidCapabilities{shape.inputLength, 1, shape.reportId};
        }
    }
    return std::nullopt;
}

bool EmulatedPlatform::SetOutputReport(HidHandle handle, std::span<const uint8_t> report)
{
    {
        std::lock_guard lock(mutex_);
        const auto it = open_.find(handle);
        if (it == open_.end() || it->second.stale || !pluggedIn_ || faults_.sendError || report.empty() ||
            report[0] != it->second.reportId) {
            return false;
        }
        if (recordSent_) {
            sent_.emplace_back(report.begin(), report.end());
        }
        if (sendObserver_) {
            sendObserver_();
        }
        auto replies = mouse_.HandleOutputReport(report);
        if (faults_.noReply) {
            return true;
        }
        const auto readyAt = Clock::now() + faults_.replyDelay;
        for (auto& reply : replies) {
            Deliver(Distort(std::move(reply)), readyAt);
        }
    }
    inboxChanged_.notify_all();
    return true;
}

EmulatedPlatform::Report EmulatedPlatform::Distort(Report reply) const
{
    if (faults_.garbageReply) {
        uint8_t noise = 0x5A;
        for (size_t i = 1; i < reply.size(); ++i) {
            noise = static_cast<uint8_t>(noise * 33 + 17);
            reply[i] = noise;
        }
    }
    if (faults_.replyLength) {
        reply.resize(*faults_.replyLength, 0xEE);
    }
    return reply;
}

void EmulatedPlatform::Deliver(const Report& report, Clock::time_point readyAt)
{
    if (report.empty()) {
        return;
    }
    // Every reader of the collection gets a copy. With no reader, the
    // mouse's endpoint keeps the latest report until the next one opens.
    bool read = false;
    for (auto& [handle, collection] : open_) {
        if (!collection.stale && report[0] == collection.reportId) {
            collection.inbox.push_back({report, readyAt});
            read = true;
        }
    }
    if (!read) {
        held_[report[0]] = report;
    }
}

ReadResult EmulatedPlatform::Read(HidHandle handle, std::span<uint8_t> buffer, std::chrono::milliseconds timeout,
                                  bool interruptible)
{
    // Without a time-out the wait ends only when the mouse has something
    // to say, is unplugged or the read is interrupted, as on the real bus.
    const auto deadline = timeout == kNoTimeout ? Clock::time_point::max() : Clock::now() + timeout;
    std::unique_lock lock(mutex_);
    for (;;) {
        const auto it = open_.find(handle);
        if (it == open_.end() || it->second.stale) {
            return {ReadStatus::Failed, 0};
        }
        if (interruptible && interruptPending_) {
            interruptPending_ = false;
            return {ReadStatus::Interrupted, 0};
        }
        auto& inbox = it->second.inbox;
        const auto now = Clock::now();
        if (!inbox.empty() && inbox.front().readyAt <= now) {
            const Report report = std::move(inbox.front().report);
            inbox.pop_front();
            const size_t length = std::min(report.size(), buffer.size());
            std::copy_n(report.begin(), length, buffer.begin());
            return {ReadStatus::Ok, length};
        }
        if (now >= deadline) {
            return {ReadStatus::TimedOut, 0};
        }
        const auto wakeAt = inbox.empty() ? deadline : std::min(deadline, inbox.front().readyAt);
        if (wakeAt == Clock::time_point::max()) {
            inboxChanged_.wait(lock);
        } else {
            inboxChanged_.wait_until(lock, wakeAt);
        }
    }
}

void EmulatedPlatform::InterruptRead()
{
    {
        std::lock_guard lock(mutex_);
        interruptPending_ = true;
    }
    inboxChanged_.notify_all();
}

void EmulatedPlatform::Close(HidHandle handle)
{
    std::lock_guard lock(mutex_);
    open_.erase(handle);
}

ExchangeLock EmulatedPlatform::LockExchanges(HidHandle handle, std::chrono::milliseconds bound)
{
    std::unique_lock lock(mutex_);
    if (!exchangeEnded_.wait_for(lock, bound, [this] { return exchangeHolder_ == kNoHandle; })) {
        return ExchangeLock::Busy;
    }
    exchangeHolder_ = handle;
    exchangeStart_ = Clock::now();
    return ExchangeLock::Taken;
}

void EmulatedPlatform::UnlockExchanges(HidHandle handle)
{
    {
        std::lock_guard lock(mutex_);
        if (exchangeHolder_ != handle) {
            return;
        }
        exchangeHolder_ = kNoHandle;
        lastExchange_ = {exchangeStart_, Clock::now()};
    }
    exchangeEnded_.notify_all();
}

bool EmulatedPlatform::OthersTalkedBetween(HidHandle handle, Clock::time_point since, Clock::time_point until)
{
    std::lock_guard lock(mutex_);
    if (exchangeHolder_ != kNoHandle && exchangeHolder_ != handle) {
        return true;
    }
    return lastExchange_.second >= since && lastExchange_.first <= until;
}

}  // namespace qmb
