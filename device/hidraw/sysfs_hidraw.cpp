// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/hidraw/sysfs_hidraw.h"

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <span>
#include <string_view>

#include "device/hidraw/hid_uevent.h"

namespace qmb {
namespace {

constexpr std::string_view kNodePrefix = "hidraw";
// The kernel's largest report descriptor is 4096 bytes and a uevent is far
// smaller; anything longer is not what we expect and is refused.
constexpr size_t kMaxAttributeFileSize = 16384;

std::string ClassDirectory(const std::string& sysfsRoot)
{
    return sysfsRoot + "/class/hidraw";
}

std::string DeviceAttribute(const std::string& sysfsRoot, const std::string& name,
                            std::string_view attribute)
{
    std::string path = ClassDirectory(sysfsRoot);
    path.append("/").append(name).append("/device/").append(attribute);
    return path;
}

std::optional<unsigned> NodeNumber(std::string_view name)
{
    if (!name.starts_with(kNodePrefix) || name.size() == kNodePrefix.size()) {
        return std::nullopt;
    }
    name.remove_prefix(kNodePrefix.size());
    unsigned number = 0;
    const char* end = name.data() + name.size();
    const auto [stop, error] = std::from_chars(name.data(), end, number);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return number;
}

using AttributeBuffer = std::array<uint8_t, kMaxAttributeFileSize + 1>;

// Reads a whole attribute file into `buffer`; nothing when it cannot be read
// or does not fit.
std::optional<std::span<const uint8_t>> ReadAttributeFile(const std::string& path,
                                                          AttributeBuffer& buffer)
{
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    size_t filled = 0;
    bool failed = false;
    while (filled < buffer.size()) {
        const ssize_t got = read(fd, buffer.data() + filled, buffer.size() - filled);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            failed = got < 0;
            break;
        }
        filled += static_cast<size_t>(got);
    }
    close(fd);
    if (failed || filled > kMaxAttributeFileSize) {
        return std::nullopt;
    }
    return std::span<const uint8_t>(buffer.data(), filled);
}

std::optional<HidAttributes> ReadUevent(const std::string& sysfsRoot, const std::string& name,
                                        AttributeBuffer& buffer)
{
    const auto uevent = ReadAttributeFile(DeviceAttribute(sysfsRoot, name, "uevent"), buffer);
    if (!uevent) {
        return std::nullopt;
    }
    return ParseHidUevent(std::string_view(reinterpret_cast<const char*>(uevent->data()), uevent->size()));
}

}  // namespace

bool IsHidrawNodeName(std::string_view name)
{
    return NodeNumber(name).has_value();
}

std::vector<HidrawClassEntry> ListHidrawNodes(const std::string& sysfsRoot)
{
    std::vector<HidrawClassEntry> entries;
    DIR* directory = opendir(ClassDirectory(sysfsRoot).c_str());
    if (directory == nullptr) {
        return entries;
    }
    while (const dirent* entry = readdir(directory)) {
        if (const std::optional<unsigned> number = NodeNumber(entry->d_name)) {
            entries.push_back({entry->d_name, *number, entry->d_ino});
        }
    }
    closedir(directory);
    std::sort(entries.begin(), entries.end(),
              [](const HidrawClassEntry& a, const HidrawClassEntry& b) { return a.number < b.number; });
    return entries;
}

std::optional<HidAttributes> ReadHidrawUevent(const std::string& sysfsRoot, const std::string& name)
{
    AttributeBuffer buffer;
    return ReadUevent(sysfsRoot, name, buffer);
}

HidrawNode ReadHidrawNode(const std::string& sysfsRoot, const HidrawClassEntry& entry)
{
    AttributeBuffer buffer;
    HidrawNode node;
    node.entry = entry;
    node.ueventIds = ReadUevent(sysfsRoot, entry.name, buffer);
    const std::string descriptorPath = DeviceAttribute(sysfsRoot, entry.name, "report_descriptor");
    if (const auto bytes = ReadAttributeFile(descriptorPath, buffer)) {
        node.descriptor = ParseReportDescriptor(*bytes);
    }
    return node;
}

}  // namespace qmb
