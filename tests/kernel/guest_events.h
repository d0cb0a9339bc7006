// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qmb::test {

// What happens in the kernel tier's guest, each with the time this process
// learnt of it: the lines a program writes, and hidraw nodes coming and
// going in /dev.
class GuestEvents {
public:
    using Clock = std::chrono::steady_clock;

    // Reads the lines from `output`, a pipe.
    explicit GuestEvents(int output);
    ~GuestEvents();
    GuestEvents(const GuestEvents&) = delete;
    GuestEvents& operator=(const GuestEvents&) = delete;

    // The next line, after those taken already, that starts with `prefix`;
    // none when none comes within `limit`.
    std::optional<Clock::time_point> NextLine(std::string_view prefix, Clock::duration limit);
    // The next hidraw node created (or removed) after those taken already.
    std::optional<Clock::time_point> NextNode(bool created, Clock::duration limit);

private:
    struct Line {
        Clock::time_point at;
        std::string text;
    };
    struct Node {
        Clock::time_point at;
        bool created;
    };

    // Waits until `deadline` for more; false when nothing came.
    bool Pump(Clock::time_point deadline);
    void ReadOutput(Clock::time_point now);
    void ReadNodes(Clock::time_point now);

    int output_;
    int inotify_;
    std::string partial_;
    std::vector<Line> lines_;
    size_t linesTaken_ = 0;
    std::vector<Node> nodes_;
    size_t nodesTaken_ = 0;
};

}  // namespace qmb::test
