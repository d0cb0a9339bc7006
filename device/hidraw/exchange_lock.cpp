// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/exchange_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace qmb {

namespace {

int OpenForLocking(const std::string& path)
{
    // Any open file of the node can carry the lock; O_NONBLOCK keeps the
    // open itself from waiting on anything.
    return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

int Flock(int fd, int operation)
{
    int result = 0;
    do {
        result = flock(fd, operation);
    } while (result < 0 && errno == EINTR);
    return result;
}

// A blocking flock that the kernel ends the moment the holder lets go: the
// waiters are woken in turn, where polling with LOCK_NB would keep missing
// a busy holder's short gaps. flock cannot time out, so the wait runs in a
// thread of its own; a caller who gives up leaves it to let go of a lock it
// gets too late.
class BlockingWait {
public:
    // Takes `fd` over; the descriptor holding the lock, or -1.
    static std::pair<NodeLock::Result, int> Run(int fd, std::chrono::milliseconds bound)
    {
        auto wait = std::make_shared<BlockingWait>();
        wait->fd_ = fd;
        std::thread([wait] { wait->Block(); }).detach();
        std::unique_lock lock(wait->mutex_);
        if (!wait->ended_.wait_for(lock, bound, [&] { return wait->done_; })) {
            wait->abandoned_ = true;
            return {NodeLock::Result::Busy, -1};
        }
        if (!wait->locked_) {
            close(wait->fd_);
            return {NodeLock::Result::Unavailable, -1};
        }
        return {NodeLock::Result::Taken, wait->fd_};
    }

private:
    void Block()
    {
        const bool locked = Flock(fd_, LOCK_EX) == 0;
        std::lock_guard lock(mutex_);
        done_ = true;
        locked_ = locked;
        if (abandoned_) {
            close(fd_);
            return;
        }
        ended_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable ended_;
    int fd_ = -1;
    bool done_ = false;
    bool locked_ = false;
    bool abandoned_ = false;
};

}  // namespace

NodeLock::~NodeLock()
{
    Unlock();
}

NodeLock::NodeLock(NodeLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

NodeLock& NodeLock::operator=(NodeLock&& other) noexcept
{
    if (this != &other) {
        Unlock();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

NodeLock::Result NodeLock::LockExclusive(const std::string& path, std::chrono::milliseconds bound)
{
    Unlock();
    const int fd = OpenForLocking(path);
    if (fd < 0) {
        return Result::Unavailable;
    }
    if (Flock(fd, LOCK_EX | LOCK_NB) == 0) {
        fd_ = fd;
        return Result::Taken;
    }
    if (errno != EWOULDBLOCK) {
        close(fd);
        return Result::Unavailable;
    }
    const auto [result, lockedFd] = BlockingWait::Run(fd, bound);
    fd_ = lockedFd;
    return result;
}

void NodeLock::Unlock()
{
    if (fd_ >= 0) {
        // Closing the only descriptor of the open file lets go of the lock.
        close(fd_);
        fd_ = -1;
    }
}

bool NodeLock::HeldNowOr(const std::string& path, const std::function<bool()>& whileFree)
{
    const int fd = OpenForLocking(path);
    if (fd < 0) {
        return whileFree();
    }
    bool held = false;
    if (Flock(fd, LOCK_SH | LOCK_NB) == 0) {
        held = whileFree();
    } else {
        held = errno == EWOULDBLOCK || whileFree();
    }
    close(fd);
    return held;
}

}  // namespace qmb
