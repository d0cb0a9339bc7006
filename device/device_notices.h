// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <functional>

namespace qmb {

enum class DeviceNotice { Arrival, Removal };

// Arrivals and removals of devices. Its file descriptor becomes readable
// when notices wait; an event loop watches it and calls ReadNotices on its
// own thread.
class DeviceNotices {
public:
    virtual ~DeviceNotices() = default;

    virtual int fd() const = 0;
    virtual void ReadNotices(const std::function<void(DeviceNotice)>& handle) = 0;
};

}  // namespace qmb
