// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/uhid_event_loop.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <thread>

#include "tests/kernel/uhid_test_events.h"

namespace qmb::emu::test {
namespace {

constexpr int kWaitMs = 2000;

// Plays the kernel's side of /dev/uhid over a packet socket: one event per
// packet, as the character device reads and writes them.
class FakeKernel {
public:
    FakeKernel() {
        int ends[2];
        EXPECT_EQ(socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends), 0);
        kernel_ = ends[0];
        device_ = ends[1];
    }
    ~FakeKernel() {
        CloseKernelEnd();
        close(device_);
    }
    FakeKernel(const FakeKernel&) = delete;
    FakeKernel& operator=(const FakeKernel&) = delete;

    int deviceFd() const { return device_; }

    void Send(const uhid_event& event) const {
        ASSERT_EQ(write(kernel_, &event, sizeof event), static_cast<ssize_t>(sizeof event));
    }

    // The next event the device wrote, if one comes in time.
    std::optional<uhid_event> Receive() const {
        pollfd fd{kernel_, POLLIN, 0};
        if (poll(&fd, 1, kWaitMs) != 1) {
            return std::nullopt;
        }
        uhid_event event{};
        if (read(kernel_, &event, sizeof event) != static_cast<ssize_t>(sizeof event)) {
            return std::nullopt;
        }
        return event;
    }

    void CloseKernelEnd() {
        if (kernel_ >= 0) {
            close(kernel_);
            kernel_ = -1;
        }
    }

private:
    int kernel_ = -1;
    int device_ = -1;
};

Bytes InputReport(const uhid_event& event) {
    return Bytes(event.u.input2.data, event.u.input2.data + event.u.input2.size);
}

bool Readable(int fd, int timeoutMs) {
    pollfd polled{fd, POLLIN, 0};
    return poll(&polled, 1, timeoutMs) == 1;
}

class UhidEventLoopTest : public testing::Test {
protected:
    FakeKernel kernel;
    UhidMouse mouse{0, nullptr};
};

TEST_F(UhidEventLoopTest, AnswersEveryEventInOrder) {
    UhidEventLoop loop(kernel.deviceFd(), mouse);
    ASSERT_TRUE(loop.valid());
    kernel.Send(KernelEvent(UHID_START));
    kernel.Send(KernelEvent(UHID_OPEN));
    kernel.Send(KernelOutput(kStatusQuery));
    kernel.Send(KernelSetReport(70, {0x04, 0xCA, 0x02, 0x01, 0x00, 0x00, 0x01, 0x00}, UHID_OUTPUT_REPORT));
    kernel.Send(KernelGetReport(71, 4, UHID_INPUT_REPORT));

    auto event = kernel.Receive();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->type, UHID_INPUT2);
    EXPECT_EQ(InputReport(*event), kFactoryStatus);

    event = kernel.Receive();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->type, UHID_SET_REPORT_REPLY);
    EXPECT_EQ(event->u.set_report_reply.id, 70u);
    EXPECT_EQ(event->u.set_report_reply.err, 0);

    event = kernel.Receive();
    ASSERT_TRUE(event);
    EXPECT_EQ(InputReport(*event), (Bytes{0x04, 0xCA, 0x02, 0x01, 0x00, 0x00, 0x01, 0x00}));

    event = kernel.Receive();
    ASSERT_TRUE(event);
    EXPECT_EQ(event->type, UHID_GET_REPORT_REPLY);
    EXPECT_EQ(event->u.get_report_reply.id, 71u);
    EXPECT_EQ(event->u.get_report_reply.err, EIO);
}

TEST_F(UhidEventLoopTest, PressesFromAnotherThreadInterleaveWithWholeAnswers) {
    UhidEventLoop loop(kernel.deviceFd(), mouse);
    kernel.Send(KernelEvent(UHID_OPEN));
    // Once this is answered the device is open, so no press is held back.
    kernel.Send(KernelOutput(kStatusQuery));
    ASSERT_TRUE(kernel.Receive());
    constexpr int kQueries = 200;
    constexpr int kPresses = 200;
    int statusReports = 0;
    std::thread reader([&] {
        while (statusReports < kQueries + kPresses) {
            const auto event = kernel.Receive();
            if (!event || event->type != UHID_INPUT2) {
                return;
            }
            const Bytes report = InputReport(*event);
            EXPECT_EQ(report.size(), 8u);
            EXPECT_EQ(report[1], 0xCA);
            ++statusReports;
        }
    });
    std::thread presser([&loop] {
        for (int i = 0; i < kPresses; ++i) {
            EXPECT_TRUE(loop.Apply([](UhidMouse& pressed) { return pressed.PressModeSwitch(); }));
        }
    });
    for (int i = 0; i < kQueries; ++i) {
        kernel.Send(KernelOutput(kStatusQuery));
    }
    presser.join();
    reader.join();
    EXPECT_EQ(statusReports, kQueries + kPresses);
}

TEST_F(UhidEventLoopTest, EndsOnItsOwnWhenTheDescriptorFails) {
    UhidEventLoop loop(kernel.deviceFd(), mouse);
    EXPECT_FALSE(Readable(loop.endedFd(), 50));
    kernel.CloseKernelEnd();
    EXPECT_TRUE(Readable(loop.endedFd(), kWaitMs));
}

TEST_F(UhidEventLoopTest, StopsPromptlyWhenIdle) {
    const auto started = std::chrono::steady_clock::now();
    {
        UhidEventLoop loop(kernel.deviceFd(), mouse);
        kernel.Send(KernelEvent(UHID_START));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(500));
}

}  // namespace
}  // namespace qmb::emu::test
