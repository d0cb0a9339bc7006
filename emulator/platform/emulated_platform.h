// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "device/hid_platform.h"
#include "emulator/virtual_mouse.h"

namespace qmb {

// The built-in demo mouse: the emulator's model of the mouse plugged into a
// software HID bus, with the two collections of the real one. It can be
// unplugged, pressed, and made to fail as hardware fails.
class EmulatedPlatform : public HidPlatform {
public:
    using Report = std::vector<uint8_t>;
    using Clock = std::chrono::steady_clock;

    struct Faults {
        bool sendError = false;
        bool noReply = false;
        std::chrono::milliseconds replyDelay{0};
        std::optional<size_t> replyLength;  // cut or padded to this many bytes
        bool garbageReply = false;
    };

    explicit EmulatedPlatform(int modelNumber = 0);

    // Each is told to every DeviceNotices made by CreateNotices or
    // CreateNodeNotices, as an arrival or a removal.
    void Unplug();
    void PlugIn();
    bool pluggedIn() const;

    void PressReset();
    void PressModeSwitch();
    // A report the mouse sends by itself. While the host reads none of the
    // collection's reports, only the latest is kept for it.
    void SendUnsolicited(Report report);

    void SetFaults(const Faults& faults);
    // Called as each output report reaches the mouse, before it answers.
    void SetSendObserver(std::function<void()> observer);
    // From now on, keeps every output report that reaches the mouse for
    // TakeSentReports. Only tests ask: the reports hold passwords, and the
    // demo would keep them without end.
    void RecordSentReports();
    // Every output report that reached the mouse since the last call.
    std::vector<Report> TakeSentReports();
    // Runs `inspect` on the mouse model under the bus lock.
    void InspectMouse(const std::function<void(const emu::VirtualMouse&)>& inspect) const;

    BindResult Bind() override;
    void Unbind() override;
    bool BeginEnumeration() override;
    bool HasInterface(size_t index) override;
    std::optional<HidInterfaceDetail> InterfaceDetail(size_t index) override;
    void EndEnumeration() override;
    HidHandle Open(const HidInterfaceDetail& detail) override;
    std::optional<HidAttributes> Attributes(HidHandle handle) override;
    std::optional<HidCapabilities> Capabilities(HidHandle handle) override;
    bool SetOutputReport(HidHandle handle, std::span<const uint8_t> report) override;
    ReadResult Read(HidHandle handle, std::span<uint8_t> buffer, std::chrono::milliseconds timeout,
                    bool interruptible) override;
    void InterruptRead() override;
    void Close(HidHandle handle) override;
    // Every DeviceLink on this bus is a program of its own: one exchange
    // at a time, as the hidraw nodes' lock keeps it across programs.
    ExchangeLock LockExchanges(HidHandle handle, std::chrono::milliseconds bound) override;
    void UnlockExchanges(HidHandle handle) override;
    bool OthersTalkedBetween(HidHandle handle, Clock::time_point since, Clock::time_point until) override;
    std::unique_ptr<DeviceNotices> CreateNotices() override;
    std::unique_ptr<DeviceNotices> CreateNodeNotices() override;

    // Where the notices for one DeviceNotices wait.
    class NoticeQueue;

private:

    struct Pending {
        Report report;
        Clock::time_point readyAt;
    };
    struct OpenCollection {
        uint8_t reportId = 0;
        bool stale = false;  // the mouse was unplugged since it was opened
        std::deque<Pending> inbox;
    };

    void Press(const std::function<Report()>& press);
    void Deliver(const Report& report, Clock::time_point readyAt);
    Report Distort(Report reply) const;
    void Notify(DeviceNotice notice);

    mutable std::mutex mutex_;
    std::condition_variable inboxChanged_;
    emu::VirtualMouse mouse_;
    bool pluggedIn_ = true;
    bool interruptPending_ = false;
    Faults faults_;
    HidHandle nextHandle_ = 1;
    std::map<HidHandle, OpenCollection> open_;
    std::map<uint8_t, Report> held_;  // by report id
    bool recordSent_ = false;
    std::vector<Report> sent_;
    std::vector<std::weak_ptr<NoticeQueue>> noticeQueues_;
    std::function<void()> sendObserver_;
    std::condition_variable exchangeEnded_;
    HidHandle exchangeHolder_ = kNoHandle;
    Clock::time_point exchangeStart_;
    // The last exchange that ended: [start, end].
    std::pair<Clock::time_point, Clock::time_point> lastExchange_;
};

}  // namespace qmb
