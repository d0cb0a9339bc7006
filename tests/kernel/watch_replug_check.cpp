// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The kernel tier's check that `qmbctl watch`, asleep on the virtual mouse,
// tells of the mouse's removal within 100 ms of its hidraw node going, and
// of its return within 500 ms of the node coming back. Runs inside the guest
// with a mouse and a watch of its own, prints what it measured, and exits
// with 0 only when every round held.
//
//   watch_replug_check QMBCTL VIRTUAL_MOUSE

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/kernel/guest_events.h"
#include "tests/support/child_process.h"

namespace {

using namespace std::chrono_literals;
using qmb::test::ChildProcess;
using qmb::test::GuestEvents;

constexpr auto kGoneLimit = 100ms;
constexpr auto kFoundLimit = 500ms;
constexpr auto kNoLongerThan = 5s;
constexpr int kRounds = 3;

long long Milliseconds(GuestEvents::Clock::duration duration)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(duration).count();
}

class Replugs {
public:
    Replugs(std::string qmbctl, std::string mouse)
        : mousePath_(std::move(mouse)),
          watch_({std::move(qmbctl), "--model", "0", "watch"}, ChildProcess::Output::Piped),
          events_(watch_.output())
    {
    }

    bool Start()
    {
        PlugIn();
        return Expect(events_.NextLine("mouse found: ", kNoLongerThan).has_value(), "watch finds the mouse");
    }

    bool Round()
    {
        // Long enough for watch to be asleep on the mouse again.
        std::this_thread::sleep_for(500ms);
        // Not waited for here: every event is timed as it comes.
        kill(mouse_->pid(), SIGTERM);
        const auto removed = events_.NextNode(false, kNoLongerThan);
        const auto gone = events_.NextLine("mouse gone", kNoLongerThan);
        mouse_.reset();
        if (!Expect(removed && gone, "watch tells the mouse gone")) {
            return false;
        }
        std::printf("watch told the mouse gone %lld ms after its node went\n", Milliseconds(*gone - *removed));

        std::this_thread::sleep_for(200ms);
        const auto started = GuestEvents::Clock::now();
        PlugIn();
        const auto added = events_.NextNode(true, kNoLongerThan);
        const auto found = events_.NextLine("mouse found: ", kNoLongerThan);
        if (!Expect(added && found, "watch finds the mouse again")) {
            return false;
        }
        std::printf("watch found the mouse %lld ms after its node came, %lld ms after its program started\n",
                    Milliseconds(*found - *added), Milliseconds(*found - started));
        return Expect(*gone - *removed <= kGoneLimit, "the mouse gone within 100 ms") &&
               Expect(*found - *added <= kFoundLimit, "the mouse found again within 500 ms");
    }

private:
    void PlugIn()
    {
        mouse_ = std::make_unique<ChildProcess>(std::vector<std::string>{mousePath_, "--model", "0"},
                                                ChildProcess::Output::Discarded);
    }

    static bool Expect(bool held, const char* what)
    {
        if (!held) {
            std::printf("not so: %s\n", what);
        }
        return held;
    }

    std::string mousePath_;
    ChildProcess watch_;
    GuestEvents events_;
    std::unique_ptr<ChildProcess> mouse_;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: watch_replug_check QMBCTL VIRTUAL_MOUSE\n", stderr);
        return 2;
    }
    Replugs replugs(argv[1], argv[2]);
    if (!replugs.Start()) {
        return 1;
    }
    for (int round = 0; round < kRounds; ++round) {
        if (!replugs.Round()) {
            return 1;
        }
    }
    return 0;
}
