// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "tests/device/hidraw/fake_hidraw_tree.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace qmb::test {
namespace {

void WriteFile(const std::string& path, std::span<const char> contents)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string HexId(uint16_t id)
{
    std::array<char, 9> text{};
    std::snprintf(text.data(), text.size(), "%08X", id);
    return text.data();
}

}  // namespace

FakeHidrawTree::FakeHidrawTree()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "qmb-hidraw-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    root_ = pattern;
    std::filesystem::create_directories(sysfsRoot() + "/devices/virtual");
    std::filesystem::create_directories(deviceDirectory());
}

FakeHidrawTree::~FakeHidrawTree()
{
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::string FakeHidrawTree::NodePath(unsigned number) const
{
    return deviceDirectory() + "/hidraw" + std::to_string(number);
}

std::string FakeHidrawTree::HidDevice(unsigned number) const
{
    const auto found = generations_.find(number);
    const unsigned generation = found == generations_.end() ? 0 : found->second;
    return sysfsRoot() + "/devices/virtual/hid" + std::to_string(number) + "." + std::to_string(generation);
}

void FakeHidrawTree::AddHidrawClass()
{
    std::filesystem::create_directories(sysfsRoot() + "/class/hidraw");
}

void FakeHidrawTree::AddHidDevice(unsigned number, std::span<const uint8_t> descriptor, uint16_t vendorId,
                                  uint16_t productId)
{
    const std::string hid = HidDevice(number);
    const std::string node = hid + "/hidraw/hidraw" + std::to_string(number);
    std::filesystem::create_directories(node);
    std::filesystem::create_directory_symlink("../..", node + "/device");
    WriteFile(hid + "/report_descriptor",
              std::span(reinterpret_cast<const char*>(descriptor.data()), descriptor.size()));
    SetUevent(number, "DRIVER=hid-generic\nHID_ID=0003:" + HexId(vendorId) + ":" + HexId(productId) +
                          "\nHID_NAME=Fake device " + std::to_string(number) + "\n");
}

void FakeHidrawTree::LinkClassEntry(unsigned number, const std::string& entryPath)
{
    const std::string hid = HidDevice(number);
    const std::string target =
        "../.." + hid.substr(sysfsRoot().size()) + "/hidraw/hidraw" + std::to_string(number);
    std::filesystem::create_directory_symlink(target, entryPath);
}

std::string FakeHidrawTree::AddNode(unsigned number, std::span<const uint8_t> descriptor, uint16_t vendorId,
                                    uint16_t productId)
{
    AddHidrawClass();
    AddHidDevice(number, descriptor, vendorId, productId);
    LinkClassEntry(number, sysfsRoot() + "/class/hidraw/hidraw" + std::to_string(number));
    const std::string path = NodePath(number);
    if (mkfifo(path.c_str(), 0600) != 0) {
        throw std::runtime_error("mkfifo failed for " + path);
    }
    return path;
}

void FakeHidrawTree::SetUevent(unsigned number, const std::string& text)
{
    WriteFile(HidDevice(number) + "/uevent", text);
}

void FakeHidrawTree::ReplaceNode(unsigned number, std::span<const uint8_t> descriptor, uint16_t vendorId,
                                 uint16_t productId)
{
    ++generations_[number];
    AddHidDevice(number, descriptor, vendorId, productId);
    // Made beside the old entry and renamed over it, so it cannot get the
    // old entry's inode number.
    const std::string entry = sysfsRoot() + "/class/hidraw/hidraw" + std::to_string(number);
    LinkClassEntry(number, entry + ".new");
    std::filesystem::rename(entry + ".new", entry);
}

void FakeHidrawTree::RemoveNode(unsigned number)
{
    std::filesystem::remove(sysfsRoot() + "/class/hidraw/hidraw" + std::to_string(number));
    std::filesystem::remove(NodePath(number));
}

FakeNodePeer::FakeNodePeer(const std::string& nodePath)
    : fd_(open(nodePath.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC))
{
    if (fd_ < 0 || fcntl(fd_, F_SETFL, O_NONBLOCK | O_DIRECT) != 0) {
        throw std::runtime_error("cannot open the far end of " + nodePath);
    }
}

FakeNodePeer::~FakeNodePeer()
{
    close(fd_);
}

void FakeNodePeer::SendInput(const std::vector<uint8_t>& report)
{
    if (write(fd_, report.data(), report.size()) != static_cast<ssize_t>(report.size())) {
        throw std::runtime_error("cannot send an input report");
    }
}

std::vector<uint8_t> FakeNodePeer::TakeOutput()
{
    std::vector<uint8_t> output(65536);
    const ssize_t got = read(fd_, output.data(), output.size());
    output.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return output;
}

}  // namespace qmb::test
