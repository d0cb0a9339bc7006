// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace qmb::test {

// A throw-away sysfs and device directory laid out like the kernel's:
//   sys/class/hidraw/hidrawN -> ../../devices/virtual/hidN.G/hidraw/hidrawN
//   sys/devices/virtual/hidN.G/{report_descriptor,uevent}
//   sys/devices/virtual/hidN.G/hidraw/hidrawN/device -> ../..
//   dev/hidrawN, a FIFO standing in for the device node
class FakeHidrawTree {
public:
    // Starts without the hidraw class, as on a kernel without hidraw.
    FakeHidrawTree();
    ~FakeHidrawTree();
    FakeHidrawTree(const FakeHidrawTree&) = delete;
    FakeHidrawTree& operator=(const FakeHidrawTree&) = delete;

    const std::string& root() const { return root_; }
    std::string sysfsRoot() const { return root_ + "/sys"; }
    std::string deviceDirectory() const { return root_ + "/dev"; }
    std::string NodePath(unsigned number) const;

    void AddHidrawClass();
    // Returns the device node's path.
    std::string AddNode(unsigned number, std::span<const uint8_t> descriptor, uint16_t vendorId,
                        uint16_t productId);
    void SetUevent(unsigned number, const std::string& text);
    // Another device takes the node's number, as after unplugging one device
    // and plugging in another: sysfs shows a new class entry.
    void ReplaceNode(unsigned number, std::span<const uint8_t> descriptor, uint16_t vendorId,
                     uint16_t productId);
    void RemoveNode(unsigned number);

private:
    std::string HidDevice(unsigned number) const;
    void AddHidDevice(unsigned number, std::span<const uint8_t> descriptor, uint16_t vendorId,
                      uint16_t productId);
    void LinkClassEntry(unsigned number, const std::string& entryPath);

    std::string root_;
    // Bumped by every replacement of a node, so each device gets a
    // directory of its own.
    std::map<unsigned, unsigned> generations_;
};

// The device's end of a fake node: input reports go in one at a time (the
// FIFO is put in packet mode, so each read takes exactly one), output
// reports come out.
class FakeNodePeer {
public:
    explicit FakeNodePeer(const std::string& nodePath);
    ~FakeNodePeer();
    FakeNodePeer(const FakeNodePeer&) = delete;
    FakeNodePeer& operator=(const FakeNodePeer&) = delete;

    void SendInput(const std::vector<uint8_t>& report);
    std::vector<uint8_t> TakeOutput();

private:
    int fd_;
};

}  // namespace qmb::test
