#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>

#include "device/device_link.h"
#include "protocol/device_state.h"
#include "protocol/reports.h"

namespace qmb {

// Told, synchronously, each time a StatusReport has been taken into the
// DeviceState (the control box refreshes from it).
class DeviceStateListener {
public:
    virtual void OnDeviceStateChanged() = 0;

protected:
    ~DeviceStateListener() = default;
};

// The rows of a site entry, looked up in the slot tables.
struct SiteEntryRows {
    uint8_t idRow = 0;
    uint8_t passwordRow = 0;
};

// Every command the program sends to the mouse. Each one takes the device,
// opens the collection of its report id, sends its reports in order with
// the mouse's 500 ms pause between them, reads one reply per report, closes
// the device and takes the reply into the DeviceState. Results: 1 success,
// 0 failure (open or send), and 2 for an enrolment the mouse had no free
// slot for.
class MouseCommands {
public:
    using Pause = std::function<void(std::chrono::milliseconds)>;

    MouseCommands(DeviceLink& link, DeviceState& state, Pause pause = DefaultPause());
    ~MouseCommands();
    MouseCommands(const MouseCommands&) = delete;
    MouseCommands& operator=(const MouseCommands&) = delete;

    static Pause DefaultPause();

    void SetStateListener(DeviceStateListener* listener);

    int QueryStatus();
    int WriteStatus();
    void ApplyModeButton();

    int QueryButtonMap();
    int WriteButtonMap();
    int ReadFunctionKey(uint8_t address);
    int WriteFunctionKey(uint8_t address);

    int QuerySequence();
    int WriteSequence();

    int WriteMousePassword();
    int WriteShortPassword();
    int ClearShortPassword();
    int SignInMousePassword();
    int SignInShortPassword();
    int SignOut();
    int QuerySupport();
    int QueryPasswordEnrolled();
    int QueryLockFlags();
    int RefreshPasswordState();

    int SelectSite(uint8_t address);
    int ReadSiteEntry(uint8_t address, SiteEntryRows& rows);
    int EnrollSiteId();
    int EnrollSitePassword();
    int WriteSiteIdSlot();
    int WriteSitePasswordSlot();
    int ClearSiteIdSlot();
    int ClearSitePasswordSlot();

    // One report as given, its reply into `reply`: for tools that speak to
    // the mouse directly.
    enum class RawResult { NoDevice, SendFailed, NoReply, Replied };
    RawResult SendRaw(std::span<const uint8_t> report, std::span<uint8_t> reply);

private:
    // Whether a StatusReport can be the answer to a command.
    enum class StatusReplies { Awaited, Stray };

    int Exchange(std::span<const CommandReport> requests, std::span<ReplyBuffer> replies,
                 StatusReplies statusReplies = StatusReplies::Stray);
    int WriteTwelve(uint8_t firstCode, uint8_t secondCode, std::span<const uint8_t, 12> usages);
    int Enroll(uint8_t secondCode, std::span<const uint8_t, 12> usages);
    int ClearSlot(uint8_t address);
    CommandReport StatusWriteReport() const;
    void TakeStatus(std::span<const uint8_t> report);

    DeviceLink& link_;
    DeviceState& state_;
    Pause pause_;
    DeviceStateListener* listener_ = nullptr;
};

}  // namespace qmb
