// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace qmb {

// When the latest exchanges with one device node began and ended, as this
// user's programs write them down before they let go of the node's lock.
// Every open file of the node gets a copy of each reply; a watcher that
// reads one after its exchange has ended still learns from here that it
// was a reply. CLOCK_MONOTONIC, which every process shares, times them.
//
// The file lives in a directory of this user's alone under
// $XDG_RUNTIME_DIR; without one, nothing is written down or found.
class ExchangeWindows {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    static std::optional<ExchangeWindows> ForNode(const std::string& nodeName);

    // Only while the node's exclusive lock is held.
    void Record(TimePoint start, TimePoint end) const;
    // Whether a recorded exchange overlaps [since, until]. Only while the
    // node's lock, shared or exclusive, is held.
    bool AnyBetween(TimePoint since, TimePoint until) const;

private:
    explicit ExchangeWindows(std::string path) : path_(std::move(path)) {}

    std::string path_;
};

}  // namespace qmb
