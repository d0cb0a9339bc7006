// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "device/hid_platform.h"
#include "device/report_trace.h"

namespace qmb {

inline constexpr std::chrono::milliseconds kReplyWait{200};
// How long a command waits for another program's exchange to end: the
// longest one, a slot clear, takes a little over a second.
inline constexpr std::chrono::milliseconds kExchangeLockBound{3000};

// The link to the mouse: finds and opens the collection an exchange needs,
// moves single reports in and out, and closes it again. No handle is kept
// between exchanges.
//
// Exchanges are serialised: a command or a watcher pass first takes the
// device (a Session) and gives it back when the session ends. A command
// that wants the device while the watcher polls cuts the poll short, so it
// gets the device within milliseconds. Other programs are kept out of a
// command's exchange for as long as its device is open; a watcher keeps
// nobody out, so an idle program never stands in another's way.
class DeviceLink {
public:
    using InputReport = std::vector<uint8_t>;

    DeviceLink(HidPlatform& platform, DeviceIdentity identity);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // The device, held: nobody else opens, sends or reads until the session
    // ends, which closes whatever it left open.
    class Session {
    public:
        Session(Session&& other) noexcept;
        Session(const Session&) = delete;
        Session& operator=(const Session&) = delete;
        Session& operator=(Session&&) = delete;
        ~Session();

        // Finds and opens the collection whose first input button item
        // carries `reportId`, closing any collection still open first.
        int OpenDevice(uint8_t reportId);
        void CloseDevice();
        bool isOpen() const;
        // The last OpenDevice found the mouse, but another program kept
        // talking to it for the whole of kExchangeLockBound.
        bool busy() const;

        struct Sent {
            int sent = 0;
            // What the mouse had sent before the report: it cannot be the
            // reply, and left waiting it would be read as one.
            std::vector<InputReport> earlier;
        };
        // One output report to the open collection; its report id must be
        // the collection's.
        Sent SendReport(std::span<const uint8_t> report);
        // One reply, waiting at most kReplyWait. Never writes past `buffer`.
        int ReadReport(std::span<uint8_t> buffer);
        // One input report for the watcher. Waits as long as it takes: a
        // report, the device going, or InterruptPoll (a command that wants
        // the device, a stop) ends the wait.
        int PollReport(std::span<uint8_t> buffer);
        // Whether the report PollReport read may answer another program's
        // request: that program talked to the mouse while the collection
        // was open.
        bool PolledFromOthers();

        // The capabilities of the collection examined last.
        const HidCapabilities& capabilities() const;

    private:
        friend class DeviceLink;
        Session(DeviceLink* link, bool exclusive) : link_(link), exclusive_(exclusive) {}
        DeviceLink* link_;
        bool exclusive_;
    };

    // Takes the device for a command; cuts a watcher's poll short and waits
    // for its pass to give way.
    [[nodiscard]] Session CommandSession();
    // Takes the device for a watcher pass; gives way to waiting commands.
    [[nodiscard]] Session WatcherSession();

    // Cuts short a PollReport in flight, or the next one to start.
    void InterruptPoll();
    // Arrivals of what may carry the mouse, for a watcher waiting for it;
    // none when the platform cannot tell.
    std::unique_ptr<DeviceNotices> CreateNodeNotices();

    const DeviceIdentity& identity() const { return identity_; }
    void SetTrace(ReportTrace* trace);

private:
    using Clock = std::chrono::steady_clock;

    int OpenDevice(uint8_t reportId, bool exclusive);
    void CloseDevice();
    bool BindPlatform();
    bool Discover(uint8_t reportId);
    bool IsTheMouse(const HidAttributes& attributes) const;
    bool Matches(HidHandle handle, uint8_t reportId);
    std::vector<InputReport> TakePendingInput();
    Session::Sent SendReport(std::span<const uint8_t> report);
    int ReadReport(std::span<uint8_t> buffer);
    int PollReport(std::span<uint8_t> buffer);
    void Release();

    HidPlatform& platform_;
    const DeviceIdentity identity_;
    bool bound_ = false;
    bool bindingFailedForGood_ = false;
    bool missingReported_ = false;
    ReportTrace* trace_ = nullptr;

    HidHandle deviceHandle_ = kNoHandle;
    uint8_t openReportId_ = 0;
    HidCapabilities capabilities_;
    bool exchangesLocked_ = false;
    bool busy_ = false;
    Clock::time_point openedAt_;
    Clock::time_point polledAt_;

    mutable std::mutex accessMutex_;
    std::condition_variable accessChanged_;
    enum class Holder { None, Command, Watcher };
    Holder holder_ = Holder::None;
    int commandsWaiting_ = 0;
};

}  // namespace qmb
