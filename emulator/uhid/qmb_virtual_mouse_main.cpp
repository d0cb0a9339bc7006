// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <string_view>

#include "device/report_trace.h"
#include "emulator/mouse_status.h"
#include "emulator/uhid/mouse_descriptor.h"
#include "emulator/uhid/uhid_device.h"
#include "emulator/uhid/uhid_event_loop.h"
#include "emulator/uhid/virtual_mouse_options.h"
#include "protocol/secret_bytes.h"

namespace {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr uint16_t kDeviceVersion = 0x0100;

static_assert(qmb::emu::kMouseReportDescriptor.size() <= HID_MAX_DESCRIPTOR_SIZE);

// The signals are read from a descriptor, so they are blocked in every
// thread; the event loop's thread inherits the mask.
class Signals {
public:
    Signals() {
        sigemptyset(&set_);
        for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGUSR1, SIGUSR2}) {
            sigaddset(&set_, signal);
        }
        pthread_sigmask(SIG_BLOCK, &set_, nullptr);
        fd_ = signalfd(-1, &set_, SFD_CLOEXEC);
    }
    ~Signals() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    Signals(const Signals&) = delete;
    Signals& operator=(const Signals&) = delete;

    int fd() const { return fd_; }
    int Take() const {
        signalfd_siginfo info{};
        return read(fd_, &info, sizeof info) == sizeof info ? static_cast<int>(info.ssi_signo) : 0;
    }

private:
    sigset_t set_{};
    int fd_ = -1;
};

// Presses buttons on signals until one ends the run. False when the device
// failed under the loop.
bool RunUntilUnplugged(qmb::emu::UhidEventLoop& loop, const Signals& signals) {
    std::array<pollfd, 2> fds{{{signals.fd(), POLLIN, 0}, {loop.endedFd(), POLLIN, 0}}};
    for (;;) {
        if (poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (fds[1].revents != 0) {
            return false;
        }
        switch (signals.Take()) {
        case SIGUSR1:
            if (!loop.Apply([](qmb::emu::UhidMouse& mouse) { return mouse.PressReset(); })) {
                return false;
            }
            break;
        case SIGUSR2:
            if (!loop.Apply([](qmb::emu::UhidMouse& mouse) { return mouse.PressModeSwitch(); })) {
                return false;
            }
            break;
        case SIGINT:
        case SIGTERM:
        case SIGHUP:
            return true;
        default:
            break;
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    const auto options = qmb::emu::ParseVirtualMouseOptions({argv + 1, static_cast<size_t>(argc - 1)});
    if (!options) {
        std::cerr << "qmb-virtual-mouse: bad option\n" << qmb::emu::kVirtualMouseUsage;
        return kExitUsage;
    }
    if (options->help) {
        std::cout << qmb::emu::kVirtualMouseUsage;
        return kExitOk;
    }
    if (options->version) {
        std::cout << "qmb-virtual-mouse " << QMB_VERSION << "\n";
        return kExitOk;
    }

    const Signals signals;
    if (signals.fd() < 0) {
        std::cerr << "qmb-virtual-mouse: no signal descriptor: " << std::strerror(errno) << "\n";
        return kExitFailed;
    }
    const auto trace = qmb::TraceToStandardError(options->trace, qmb::kMouseSecrets);
    qmb::emu::UhidMouse mouse(options->modelNumber, trace.get());

    const qmb::emu::UhidIdentity identity{"VELD QMB", "qmb-virtual-mouse", qmb::emu::kVendorId, mouse.productId(),
                                          kDeviceVersion};
    const qmb::emu::UhidDevice device("/dev/uhid", identity, qmb::emu::kMouseReportDescriptor);
    if (!device.plugged()) {
        std::cerr << "qmb-virtual-mouse: cannot create the device on /dev/uhid: " << std::strerror(device.error())
                  << "\n(it needs the uhid module, modprobe uhid, and write access to /dev/uhid, normally root)\n";
        return kExitFailed;
    }
    qmb::emu::UhidEventLoop loop(device.fd(), mouse);
    if (!loop.valid()) {
        std::cerr << "qmb-virtual-mouse: no event descriptor: " << std::strerror(errno) << "\n";
        return kExitFailed;
    }
    std::printf("qmb-virtual-mouse: plugged in, vendor %04X product %04X (model %d), pid %d\n", qmb::emu::kVendorId,
                mouse.productId(), options->modelNumber, static_cast<int>(getpid()));
    std::fflush(stdout);

    const bool ended = RunUntilUnplugged(loop, signals);
    std::printf("qmb-virtual-mouse: %s\n", ended ? "unplugged" : "the device failed");
    return ended ? kExitOk : kExitFailed;
}
