// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/exchange_windows.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace qmb {

namespace {

// A watcher asks about the exchanges since it last opened the node, which
// is at most a few exchanges ago.
constexpr size_t kKeptWindows = 8;
constexpr size_t kLongestFile = 1024;

struct Window {
    std::chrono::steady_clock::rep start = 0;
    std::chrono::steady_clock::rep end = 0;
};

// A directory this user alone can reach, made if it is missing: whoever
// else could write there could make a reply pass for the mouse's own news.
std::optional<std::string> PrivateDirectory()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || runtime[0] != '/') {
        return std::nullopt;
    }
    std::string path = std::string(runtime) + "/qmbpro";
    if (mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        return std::nullopt;
    }
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) || status.st_uid != geteuid() ||
        (status.st_mode & 077) != 0) {
        return std::nullopt;
    }
    return path;
}

std::vector<Window> ReadWindows(int fd)
{
    std::array<char, kLongestFile> text{};
    const ssize_t got = pread(fd, text.data(), text.size(), 0);
    std::vector<Window> windows;
    if (got <= 0) {
        return windows;
    }
    const char* at = text.data();
    const char* const end = text.data() + got;
    for (;;) {
        Window window;
        const auto first = std::from_chars(at, end, window.start);
        if (first.ec != std::errc{} || first.ptr == end || *first.ptr != ' ') {
            return windows;
        }
        const auto second = std::from_chars(first.ptr + 1, end, window.end);
        if (second.ec != std::errc{} || second.ptr == end || *second.ptr != '\n') {
            return windows;
        }
        windows.push_back(window);
        at = second.ptr + 1;
    }
}

}  // namespace

std::optional<ExchangeWindows> ExchangeWindows::ForNode(const std::string& nodeName)
{
    const auto directory = PrivateDirectory();
    if (!directory) {
        return std::nullopt;
    }
    return ExchangeWindows(*directory + "/" + nodeName + ".exchanges");
}

void ExchangeWindows::Record(TimePoint start, TimePoint end) const
{
    const int fd = open(path_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return;
    }
    std::vector<Window> windows = ReadWindows(fd);
    windows.push_back({start.time_since_epoch().count(), end.time_since_epoch().count()});
    const size_t first = windows.size() > kKeptWindows ? windows.size() - kKeptWindows : 0;
    std::string text;
    for (size_t i = first; i < windows.size(); ++i) {
        text += std::to_string(windows[i].start) + " " + std::to_string(windows[i].end) + "\n";
    }
    if (ftruncate(fd, 0) == 0) {
        // A short write leaves a line that no longer parses: a watcher then
        // learns less, and nothing worse.
        std::ignore = pwrite(fd, text.data(), text.size(), 0);
    }
    close(fd);
}

bool ExchangeWindows::AnyBetween(TimePoint since, TimePoint until) const
{
    const int fd = open(path_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const std::vector<Window> windows = ReadWindows(fd);
    close(fd);
    const auto from = since.time_since_epoch().count();
    const auto to = until.time_since_epoch().count();
    for (const Window& window : windows) {
        if (window.end >= from && window.start <= to) {
            return true;
        }
    }
    return false;
}

}  // namespace qmb
