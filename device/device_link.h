#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <span>

#include "device/hid_platform.h"
#include "device/report_trace.h"

namespace qmb {

inline constexpr uint16_t kMouseVendorId = 0x0095;
inline constexpr std::chrono::milliseconds kReplyWait{200};
inline constexpr std::chrono::milliseconds kPollWait{500};

// The link to the mouse: finds and opens the collection the next exchange
// needs, moves single reports in and out, and closes it again. No handle is
// kept between exchanges.
//
// Exchanges are serialised: a command or a watcher pass first takes the
// device (CommandAccess / WatcherAccess) and releases it when done. A
// command that wants the device while the watcher polls cuts the poll short,
// so it gets the device within milliseconds.
class DeviceLink {
public:
    // Called with every reply whose byte 1 is 0xCA, on the thread that read
    // it, before ReadReport returns.
    using StatusReportHandler = std::function<void(std::span<const uint8_t> report)>;

    explicit DeviceLink(HidPlatform& platform);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    int OpenDevice();
    int CloseDevice();
    int SendReport(HidHandle handle, std::span<const uint8_t> report);
    int ReadReport(HidHandle handle, std::span<uint8_t> buffer);
    int PollReport(HidHandle handle, std::span<uint8_t> buffer);

    // Cuts short a PollReport in flight, or the next one to start.
    void InterruptPoll();

    void SetStatusReportHandler(StatusReportHandler handler);
    void SetTrace(ReportTrace* trace);

    class Access {
    public:
        Access(Access&& other) noexcept;
        Access(const Access&) = delete;
        Access& operator=(const Access&) = delete;
        Access& operator=(Access&&) = delete;
        ~Access();

    private:
        friend class DeviceLink;
        explicit Access(DeviceLink* link) : link_(link) {}
        DeviceLink* link_;
    };
    // Takes the device for a command; cuts a watcher's poll short and waits
    // for its pass to give way.
    [[nodiscard]] Access CommandAccess();
    // Takes the device for a watcher pass; gives way to waiting commands.
    [[nodiscard]] Access WatcherAccess();

    uint8_t currentReportId = 4;
    int modelNumber = 0;
    HidHandle deviceHandle = kNoHandle;
    HidCapabilities capabilities;
    std::atomic<int> readBusy{0};

    uint16_t WantedProductId() const;

private:
    bool BindPlatform();
    bool Discover();
    bool IsTheMouse(const HidAttributes& attributes) const;
    bool Matches(HidHandle handle);
    void TakePendingInput(HidHandle handle);
    void Release();

    HidPlatform& platform_;
    bool bound_ = false;
    bool bindingFailedForGood_ = false;
    bool missingReported_ = false;
    StatusReportHandler statusHandler_;
    ReportTrace* trace_ = nullptr;

    mutable std::mutex accessMutex_;
    std::condition_variable accessChanged_;
    enum class Holder { None, Command, Watcher };
    Holder holder_ = Holder::None;
    int commandsWaiting_ = 0;
};

}  // namespace qmb
