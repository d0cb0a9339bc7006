// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <span>
#include <string>

#include "emulator/uhid/uhid_messages.h"

namespace qmb::emu {

// Writes one whole event; returns 0, or the errno value of the failure.
int WriteUhidEvent(int fd, const uhid_event& event);

// A virtual HID device on /dev/uhid: plugged in by the constructor,
// unplugged by the destructor.
class UhidDevice {
public:
    UhidDevice(const std::string& path, const UhidIdentity& identity, std::span<const uint8_t> descriptor);
    ~UhidDevice();
    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;

    bool plugged() const { return error_ == 0; }
    // The errno value of the step that failed, 0 when plugged in.
    int error() const { return error_; }
    int fd() const { return fd_; }

private:
    int fd_ = -1;
    int error_ = 0;
};

}  // namespace qmb::emu
