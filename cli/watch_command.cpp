// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/watch_command.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <array>
#include <memory>

#include "cli/task_queue.h"
#include "cli/watch_listener.h"
#include "device/device_watcher.h"
#include "protocol/reports.h"

namespace qmb {

namespace {

// The signals are taken through a descriptor, so they must be blocked in
// every thread, the watcher's included: block them before it starts.
class SignalDescriptor {
public:
    SignalDescriptor()
    {
        sigemptyset(&set_);
        for (int signal : {SIGINT, SIGTERM, SIGUSR1, SIGUSR2}) {
            sigaddset(&set_, signal);
        }
        pthread_sigmask(SIG_BLOCK, &set_, &previous_);
        fd_ = signalfd(-1, &set_, SFD_CLOEXEC | SFD_NONBLOCK);
    }
    ~SignalDescriptor()
    {
        if (fd_ >= 0) {
            close(fd_);
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    SignalDescriptor(const SignalDescriptor&) = delete;
    SignalDescriptor& operator=(const SignalDescriptor&) = delete;

    int fd() const { return fd_; }
    int Take()
    {
        signalfd_siginfo info{};
        return read(fd_, &info, sizeof info) == sizeof info ? static_cast<int>(info.ssi_signo) : 0;
    }

private:
    sigset_t set_{};
    sigset_t previous_{};
    int fd_ = -1;
};

}  // namespace

int RunWatch(DeviceSession& mouse, const WatchSignals& actions, std::ostream& out)
{
    SignalDescriptor signals;
    TaskQueue tasks;
    WatchListener listener(mouse, out);
    DeviceWatcher watcher(mouse.link, kStatusReportId, listener,
                          [&tasks](std::function<void()> task) { tasks.Post(std::move(task)); });

    // Any arrival: ask the mouse and watch again. Any removal: the mouse may
    // be the one gone; watch on only if it still answers.
    const auto onNotice = [&](DeviceNotice notice) {
        if (notice == DeviceNotice::Arrival) {
            listener.OnDeviceDetected();
            watcher.StartWatcher();
            watcher.WakeUp();
        } else {
            watcher.StopWatcher();
            if (listener.Probe()) {
                watcher.StartWatcher();
            }
        }
    };
    // Without them the watcher says so itself, and looks for the mouse now
    // and then.
    const auto notices = mouse.platform.CreateNotices();

    listener.OnDeviceDetected();
    if (!listener.present()) {
        out << "waiting for the mouse" << std::endl;
    }
    watcher.StartWatcher();

    std::array<pollfd, 3> fds{{{signals.fd(), POLLIN, 0}, {tasks.fd(), POLLIN, 0}, {-1, POLLIN, 0}}};
    if (notices) {
        fds[2].fd = notices->fd();
    }
    int ending = 0;
    while (ending == 0) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            continue;
        }
        if (fds[0].revents & POLLIN) {
            switch (const int taken = signals.Take()) {
            case SIGINT:
            case SIGTERM:
                ending = taken;
                break;
            case SIGUSR1:
                if (actions.user1) {
                    actions.user1();
                }
                break;
            case SIGUSR2:
                if (actions.user2) {
                    actions.user2();
                }
                break;
            default:
                break;
            }
        }
        if (fds[1].revents & POLLIN) {
            tasks.RunPending();
        }
        if (notices && (fds[2].revents & POLLIN)) {
            notices->ReadNotices(onNotice);
        }
    }
    watcher.StopWatcher();
    return ending;
}

}  // namespace qmb
