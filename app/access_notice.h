// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMessageBox>

#include <memory>

#include "device/hid_platform.h"

namespace qmb {

// Tells the user, once per run, that the mouse is plugged in but may not be
// opened by them, and the commands that change that. A one-second notice
// could not hold the commands, so this one is a window that stays until it
// is closed, without stopping the program.
class AccessNotice {
public:
    // After the mouse could not be opened: whether it is there but locked
    // away from this user; the explanation the first time it is.
    void CheckAfterMissing(const HidPlatform& platform, const DeviceIdentity& mouse);

    // The explanation, while it is up.
    QMessageBox* box() const { return box_.get(); }

private:
    std::unique_ptr<QMessageBox> box_;
    bool told_ = false;
};

}  // namespace qmb
