// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <thread>

#include "device/device_link.h"
#include "device/device_notices.h"
#include "device/wake_event.h"

namespace qmb {

enum class DevicePresence : int { Absent = 0, Present = 1, JustDetected = 2 };

// What the watcher tells the window. Every call runs on the listener's own
// thread (see DeviceWatcher::Post), never with the device held.
class DeviceWatcherListener {
public:
    virtual void OnDeviceDetected() = 0;
    // An input report the device sent by itself, as read.
    virtual void OnReportPolled(std::span<const uint8_t> report) = 0;
    // A report read while another program talked to the device: every
    // open file of the device gets a copy of that program's replies, so it
    // may tell of the device's state, but never that anything happened to
    // the device.
    virtual void OnReplyOverheard(std::span<const uint8_t> /*report*/) {}
    // The device was there and a pass no longer finds it.
    virtual void OnDeviceLost() {}

protected:
    ~DeviceWatcherListener() = default;
};

// The background thread that follows the mouse: it notices when the mouse
// appears, and hands on every report the mouse sends by itself on the
// collection it watches.
//
// Start/Stop/presence changes are made on the listener's thread. After
// StopWatcher returns the watcher opens nothing, polls nothing and delivers
// nothing until StartWatcher; a poll in flight is cut short.
//
// With nothing happening it sleeps in the kernel and costs nothing: while
// the mouse is there, in a poll on its node that only a report, its removal,
// a command wanting the device or a stop ends; while it is absent, until the
// platform tells of a HID node or USB device come, or WakeUp (a USB arrival
// the window heard of). On a platform that tells of no arrivals it looks
// again after a quarter second, then less and less often, up to every 2 s.
class DeviceWatcher {
public:
    // Runs a task on the listener's thread and returns once it is queued;
    // the watcher waits for it to finish.
    using Post = std::function<void(std::function<void()> task)>;

    DeviceWatcher(DeviceLink& link, uint8_t reportId, DeviceWatcherListener& listener, Post post);
    ~DeviceWatcher();
    DeviceWatcher(const DeviceWatcher&) = delete;
    DeviceWatcher& operator=(const DeviceWatcher&) = delete;

    int StartWatcher();
    int StopWatcher();
    void WakeUp();

    DevicePresence presence() const;
    void SetPresence(DevicePresence presence);

private:
    // Shared with the tasks posted to the listener's thread, which may run
    // after a stop, or after the watcher is gone: each stop ends a
    // generation, and a task of an ended generation does nothing.
    struct Shared {
        std::mutex mutex;
        std::condition_variable changed;
        bool runFlag = false;
        bool startedFlag = false;
        bool quit = false;
        bool polling = false;
        uint64_t generation = 0;
        DevicePresence presence = DevicePresence::JustDetected;
    };

    void Run();
    bool WaitUntilRunning();
    // One pass over the device; false when the mouse was not found.
    bool Pass();
    // Forgets arrivals and wake-ups that came before the pass about to look.
    void ForgetOldNews();
    // Sleeps until something may have brought the mouse, or a stop; returns
    // the next pause when the platform tells of no arrivals.
    std::chrono::milliseconds WaitForArrival(std::chrono::milliseconds pause);
    void Deliver(uint64_t generation, std::function<void()> task);
    void EndGeneration();

    DeviceLink& link_;
    const uint8_t reportId_;
    DeviceWatcherListener& listener_;
    Post post_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    // Ends the wait for an arrival: a stop, WakeUp, the end.
    WakeEvent wake_;
    std::unique_ptr<DeviceNotices> arrivals_;
    bool pollingSaid_ = false;
    std::thread thread_;
};

}  // namespace qmb
