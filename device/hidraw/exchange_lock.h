// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace qmb {

// flock(2) on a hidraw node. The kernel keeps it on the node itself, for
// every program that opens the node whoever runs it, and lets go when the
// holder ends however it ends, so no file of ours is needed and a crash
// never leaves the mouse locked.
class NodeLock {
public:
    enum class Result {
        Taken,
        Busy,         // someone else held it for the whole wait
        Unavailable,  // the node could not be opened or locked at all
    };

    NodeLock() = default;
    ~NodeLock();
    NodeLock(NodeLock&& other) noexcept;
    NodeLock& operator=(NodeLock&& other) noexcept;
    NodeLock(const NodeLock&) = delete;
    NodeLock& operator=(const NodeLock&) = delete;

    // Waits at most `bound` for the exclusive lock on `path`.
    Result LockExclusive(const std::string& path, std::chrono::milliseconds bound);
    bool held() const { return fd_ >= 0; }
    void Unlock();

    // Whether someone holds the exclusive lock on `path` now, or else what
    // `whileFree` says, asked under a shared lock so that no holder can
    // come or go meanwhile.
    static bool HeldNowOr(const std::string& path, const std::function<bool()>& whileFree);

private:
    int fd_ = -1;
};

}  // namespace qmb
