// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/uhid_device.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace qmb::emu {

int WriteUhidEvent(int fd, const uhid_event& event) {
    for (;;) {
        const ssize_t written = write(fd, &event, sizeof event);
        if (written == static_cast<ssize_t>(sizeof event)) {
            return 0;
        }
        if (written >= 0) {
            return EIO;
        }
        if (errno != EINTR) {
            return errno;
        }
    }
}

UhidDevice::UhidDevice(const std::string& path, const UhidIdentity& identity, std::span<const uint8_t> descriptor) {
    fd_ = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        return;
    }
    error_ = WriteUhidEvent(fd_, EncodeUhidCreate(identity, descriptor));
}

UhidDevice::~UhidDevice() {
    if (fd_ < 0) {
        return;
    }
    if (plugged()) {
        WriteUhidEvent(fd_, EncodeUhidDestroy());
    }
    close(fd_);
}

}  // namespace qmb::emu
