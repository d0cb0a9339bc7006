// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <optional>

namespace qmb {

// An eventfd that one thread signals to wake another thread's poll(). A
// signal stays pending until drained, so one sent before the poll starts
// is not lost.
class WakeEvent {
public:
    WakeEvent();
    ~WakeEvent();
    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    bool valid() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    // Safe from any thread.
    void Signal();
    void Drain();

    enum class Waited { Signalled, OtherReady, TimedOut };
    // Sleeps until a signal comes, `other` (unless -1) becomes readable or
    // `timeout` passes (none: never). A signal stays pending until drained.
    Waited Wait(int other, std::optional<std::chrono::milliseconds> timeout) const;

private:
    int fd_;
};

}  // namespace qmb
