// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// What `qmbctl watch` costs with the virtual mouse on the kernel's uhid and
// hidraw doing nothing, and how soon it tells of a report, a removal and an
// arrival. Runs inside the kernel tier's guest (the
// kernel_watch_bench_in_guest target boots it); the times are those of an
// emulated processor.
//
//   kernel_watch_bench QMBCTL VIRTUAL_MOUSE [seconds]   (default 30)

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "bench/process_activity.h"
#include "tests/kernel/guest_events.h"
#include "tests/support/child_process.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using qmb::test::ChildProcess;
using qmb::test::GuestEvents;

constexpr int kRounds = 10;
constexpr auto kLimit = 5s;

double Milliseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::milli>(duration).count();
}

void PrintDelays(const char* what, std::vector<double> delays)
{
    if (delays.empty()) {
        std::printf("  %-46s never seen\n", what);
        return;
    }
    std::sort(delays.begin(), delays.end());
    std::printf("  %-46s median %7.2f ms, worst %7.2f ms (%zu times)\n", what, delays[delays.size() / 2],
                delays.back(), delays.size());
}

class Bench {
public:
    Bench(std::string qmbctl, std::string mouse) : qmbctl_(std::move(qmbctl)), mousePath_(std::move(mouse)) {}

    bool Start()
    {
        if (!PlugIn()) {
            std::printf("the virtual mouse did not come up\n");
            return false;
        }
        watch_ = std::make_unique<ChildProcess>(std::vector<std::string>{qmbctl_, "--model", "0", "watch"},
                                                ChildProcess::Output::Piped);
        events_ = std::make_unique<GuestEvents>(watch_->output());
        if (!events_->NextLine("mouse found", kLimit)) {
            std::printf("qmbctl watch did not find the mouse\n");
            return false;
        }
        return true;
    }

    void MeasureIdle(std::chrono::seconds window)
    {
        std::this_thread::sleep_for(2s);
        const auto activity = qmb::bench::ActivityOver(watch_->pid(), window);
        std::printf("qmbctl watch, the virtual mouse present and idle, %lld s:\n",
                    static_cast<long long>(window.count()));
        std::printf("  %5ld context switches (%.2f/s), %8.2f ms CPU\n", activity.contextSwitches,
                    static_cast<double>(activity.contextSwitches) / static_cast<double>(window.count()),
                    activity.cpuMilliseconds);
    }

    void MeasureDelays()
    {
        std::vector<double> reports;
        std::vector<double> removals;
        std::vector<double> removalsFromNode;
        std::vector<double> arrivals;
        std::vector<double> arrivalsFromStart;
        for (int round = 0; round < kRounds; ++round) {
            const auto pause = 100ms + std::chrono::milliseconds(37 * round % 250);
            std::this_thread::sleep_for(pause);
            const auto pressed = Clock::now();
            kill(mouse_->pid(), SIGUSR2);
            if (const auto seen = events_->NextLine("status: ", kLimit)) {
                reports.push_back(Milliseconds(*seen - pressed));
            }

            std::this_thread::sleep_for(pause);
            // Not waited for: every event is timed as it comes.
            const auto unplugged = Clock::now();
            kill(mouse_->pid(), SIGTERM);
            const auto seen = events_->NextLine("mouse gone", kLimit);
            const auto removed = events_->NextNode(false, kLimit);
            if (seen) {
                removals.push_back(Milliseconds(*seen - unplugged));
            }
            if (seen && removed) {
                removalsFromNode.push_back(Milliseconds(*seen - *removed));
            }
            mouse_.reset();

            std::this_thread::sleep_for(pause);
            const auto started = Clock::now();
            StartMouse();
            const auto node = events_->NextNode(true, kLimit);
            if (const auto seen = events_->NextLine("mouse found", kLimit); seen && node) {
                arrivals.push_back(Milliseconds(*seen - *node));
                arrivalsFromStart.push_back(Milliseconds(*seen - started));
            }
        }
        std::printf("the virtual mouse on hidraw, to the lines of qmbctl watch:\n");
        PrintDelays("a report (mode switch), from the signal", reports);
        PrintDelays("a removal, from the signal that ends the mouse", removals);
        PrintDelays("a removal, from its hidraw node going", removalsFromNode);
        PrintDelays("an arrival, from its hidraw node", arrivals);
        PrintDelays("an arrival, from starting the mouse's program", arrivalsFromStart);
    }

private:
    void StartMouse()
    {
        mouse_ = std::make_unique<ChildProcess>(std::vector<std::string>{mousePath_, "--model", "0"},
                                                ChildProcess::Output::Discarded);
    }

    // The guest has no other HID device: any hidraw node is the mouse's.
    bool PlugIn()
    {
        StartMouse();
        const auto deadline = Clock::now() + kLimit;
        while (Clock::now() < deadline) {
            if (!std::filesystem::is_empty("/sys/class/hidraw")) {
                return true;
            }
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    std::string qmbctl_;
    std::string mousePath_;
    std::unique_ptr<ChildProcess> mouse_;
    std::unique_ptr<ChildProcess> watch_;
    std::unique_ptr<GuestEvents> events_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fputs("usage: kernel_watch_bench QMBCTL VIRTUAL_MOUSE [seconds]\n", stderr);
        return 2;
    }
    const std::chrono::seconds window(argc > 3 ? std::atoi(argv[3]) : 30);
    Bench bench(argv[1], argv[2]);
    if (!bench.Start()) {
        return 1;
    }
    bench.MeasureIdle(window);
    bench.MeasureDelays();
    return 0;
}
