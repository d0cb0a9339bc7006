#include "device/device_watcher.h"

#include <algorithm>
#include <array>

namespace qmb {

namespace {

using namespace std::chrono_literals;

constexpr auto kAbsentWait = 250ms;
constexpr uint8_t kPolledReportId = 4;
constexpr uint8_t kStatusCode = 0xCA;
constexpr std::array<uint8_t, 5> kResetPattern{0x01, 0x03, 0x01, 0x00, 0x01};  // bytes 2..6

bool IsResetPattern(const std::array<uint8_t, 8>& report)
{
    return std::equal(kResetPattern.begin(), kResetPattern.end(), report.begin() + 2);
}

}  // namespace

DeviceWatcher::DeviceWatcher(DeviceLink& link, DeviceWatcherListener& listener, Post post)
    : link_(link), listener_(listener), post_(std::move(post)), thread_([this] { Run(); })
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
    {
        std::lock_guard lock(shared_->mutex);
        shared_->wakeUp = true;
    }
    shared_->changed.notify_all();
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
    while (WaitUntilRunning()) {
        if (!Pass()) {
            std::unique_lock lock(shared_->mutex);
            shared_->changed.wait_for(lock, kAbsentWait,
                                      [this] { return shared_->wakeUp || shared_->quit || !shared_->runFlag; });
            shared_->wakeUp = false;
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
    enum class Found { Absent, Lost, Arrived, Quiet, Report };
    Found found = Found::Quiet;
    uint64_t generation = 0;
    std::array<uint8_t, 8> report{};
    {
        auto access = link_.WatcherAccess();
        {
            // Deciding to open and opening happen under the lock, so a stop
            // that has returned never has an open behind its back.
            std::lock_guard lock(shared_->mutex);
            if (!shared_->runFlag) {
                return true;
            }
            generation = shared_->generation;
            link_.currentReportId = kPolledReportId;
            if (!link_.OpenDevice()) {
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
            if (link_.PollReport(link_.deviceHandle, report) == 1) {
                found = Found::Report;
            }
            std::lock_guard lock(shared_->mutex);
            shared_->polling = false;
        }
        link_.CloseDevice();
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
        if (report[0] == kPolledReportId && report[1] == kStatusCode) {
            const PolledStatus status{report[2], report[3], report[4], (report[6] >> 7) & 1, (report[6] >> 6) & 1};
            const bool reset = IsResetPattern(report);
            Deliver(generation, [this, status, reset, report] {
                listener_.OnStatusPolled(status);
                if (reset) {
                    listener_.OnDeviceReset(report);
                }
                listener_.OnDeviceStateChanged();
            });
        }
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
