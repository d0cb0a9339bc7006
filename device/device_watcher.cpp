// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/device_watcher.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace qmb {

namespace {

using namespace std::chrono_literals;

// Without arrival notices: the pause between passes while the mouse is
// absent, at first and at most. Doubling keeps an absent mouse from costing
// wake-ups all day, yet finds one plugged in soon after the last removal.
constexpr std::chrono::milliseconds kFirstPause = 250ms;
constexpr std::chrono::milliseconds kLongestPause = 2s;
// Longer than any input report of a HID full-speed interrupt endpoint.
constexpr size_t kLongestInputReport = 64;

}  // namespace

DeviceWatcher::DeviceWatcher(DeviceLink& link, uint8_t reportId, DeviceWatcherListener& listener, Post post)
    : link_(link),
      reportId_(reportId),
      listener_(listener),
      post_(std::move(post)),
      // Without a wake-up a stop could not end the wait for a notice.
      arrivals_(wake_.valid() ? link.CreateNodeNotices() : nullptr),
      thread_([this] { Run(); })
{
}

DeviceWatcher::~DeviceWatcher()
{
    {
        std::lock_guard lock(shared_->mutex);
        shared_->quit = true;
        EndGeneration();
    }
    shared_->changed.notify_all();
    wake_.Signal();
    thread_.join();
}

int DeviceWatcher::StartWatcher()
{
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->startedFlag) {
            return 0;
        }
        shared_->runFlag = true;
        shared_->startedFlag = true;
    }
    shared_->changed.notify_all();
    return 1;
}

int DeviceWatcher::StopWatcher()
{
    {
        std::lock_guard lock(shared_->mutex);
        if (!shared_->startedFlag) {
            return 0;
        }
        shared_->runFlag = false;
        shared_->startedFlag = false;
        EndGeneration();
    }
    shared_->changed.notify_all();
    wake_.Signal();
    return 1;
}

void DeviceWatcher::EndGeneration()
{
    ++shared_->generation;
    if (shared_->polling) {
        link_.InterruptPoll();
    }
}

void DeviceWatcher::WakeUp()
{
    wake_.Signal();
}

DevicePresence DeviceWatcher::presence() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->presence;
}

void DeviceWatcher::SetPresence(DevicePresence presence)
{
    std::lock_guard lock(shared_->mutex);
    shared_->presence = presence;
}

void DeviceWatcher::Run()
{
    auto pause = kFirstPause;
    while (WaitUntilRunning()) {
        ForgetOldNews();
        if (Pass()) {
            pause = kFirstPause;
        } else {
            pause = WaitForArrival(pause);
        }
    }
}

void DeviceWatcher::ForgetOldNews()
{
    // Whatever came before this point, the pass sees for itself; whatever
    // comes after it stays to end the wait that may follow the pass.
    wake_.Drain();
    if (arrivals_) {
        arrivals_->ReadNotices([](DeviceNotice) {});
    }
}

std::chrono::milliseconds DeviceWatcher::WaitForArrival(std::chrono::milliseconds pause)
{
    if (!arrivals_) {
        if (!pollingSaid_) {
            std::fputs("No device notices: looking for the mouse every 0.25 to 2 s.\n", stderr);
            pollingSaid_ = true;
        }
        wake_.Wait(-1, pause);
        return std::min(pause * 2, kLongestPause);
    }
    for (;;) {
        if (wake_.Wait(arrivals_->fd(), std::nullopt) != WakeEvent::Waited::OtherReady) {
            return pause;
        }
        // A removal brings no mouse, nor does a message that turns out to
        // be about no device of interest.
        bool arrived = false;
        arrivals_->ReadNotices([&arrived](DeviceNotice notice) { arrived |= notice == DeviceNotice::Arrival; });
        if (arrived) {
            return pause;
        }
    }
}

bool DeviceWatcher::WaitUntilRunning()
{
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait(lock, [this] { return shared_->runFlag || shared_->quit; });
    return !shared_->quit;
}

bool DeviceWatcher::Pass()
{
    enum class Found { Absent, Lost, Arrived, Quiet, Report, Overheard };
    Found found = Found::Quiet;
    uint64_t generation = 0;
    std::array<uint8_t, kLongestInputReport> buffer{};
    std::vector<uint8_t> report;
    {
        auto session = link_.WatcherSession();
        {
            // Deciding to open and opening happen under the lock, so a stop
            // that has returned never has an open behind its back, and a
            // stop or the end either comes first or finds the poll to cut.
            std::lock_guard lock(shared_->mutex);
            if (!shared_->runFlag || shared_->quit) {
                return true;
            }
            generation = shared_->generation;
            if (!session.OpenDevice(reportId_)) {
                found = shared_->presence == DevicePresence::Absent ? Found::Absent : Found::Lost;
                shared_->presence = DevicePresence::Absent;
            } else if (shared_->presence == DevicePresence::Absent) {
                shared_->presence = DevicePresence::JustDetected;
                found = Found::Arrived;
            } else {
                shared_->presence = DevicePresence::Present;
                shared_->polling = true;
            }
        }
        if (found == Found::Quiet) {
            if (session.PollReport(buffer) == 1) {
                found = session.PolledFromOthers() ? Found::Overheard : Found::Report;
                const auto length = std::min<size_t>(session.capabilities().inputReportByteLength, buffer.size());
                report.assign(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(length));
            }
            std::lock_guard lock(shared_->mutex);
            shared_->polling = false;
        }
        session.CloseDevice();
    }
    switch (found) {
    case Found::Absent:
        return false;
    case Found::Lost:
        Deliver(generation, [this] { listener_.OnDeviceLost(); });
        return false;
    case Found::Arrived:
        Deliver(generation, [this] { listener_.OnDeviceDetected(); });
        break;
    case Found::Report:
        Deliver(generation, [this, report = std::move(report)] { listener_.OnReportPolled(report); });
        break;
    case Found::Overheard:
        Deliver(generation, [this, report = std::move(report)] { listener_.OnReplyOverheard(report); });
        break;
    case Found::Quiet:
        break;
    }
    return true;
}

void DeviceWatcher::Deliver(uint64_t generation, std::function<void()> task)
{
    auto finished = std::make_shared<bool>(false);
    post_([shared = shared_, generation, task = std::move(task), finished] {
        {
            std::lock_guard lock(shared->mutex);
            if (shared->generation != generation) {
                *finished = true;
                shared->changed.notify_all();
                return;
            }
        }
        task();
        std::lock_guard lock(shared->mutex);
        *finished = true;
        shared->changed.notify_all();
    });
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait(lock, [&] { return *finished || shared_->quit; });
}

}  // namespace qmb
