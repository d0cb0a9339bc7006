// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "device/hidraw/hidraw_platform.h"
#include "tests/device/hidraw/fake_hidraw_tree.h"
#include "tests/device/hidraw/sample_descriptors.h"

namespace qmb::test {
namespace {

constexpr uint8_t kBrokenDescriptor[] = {0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x81};

std::vector<HidInterfaceDetail> ListInterfaces(HidrawPlatform& platform)
{
    std::vector<HidInterfaceDetail> details;
    EXPECT_TRUE(platform.BeginEnumeration());
    for (size_t index = 0; platform.HasInterface(index); ++index) {
        const auto detail = platform.InterfaceDetail(index);
        EXPECT_TRUE(detail.has_value());
        if (detail) {
            details.push_back(*detail);
        }
    }
    platform.EndEnumeration();
    return details;
}

class HidrawEnumerationTest : public ::testing::Test {
protected:
    FakeHidrawTree tree;
    HidrawPlatform platform{tree.sysfsRoot(), tree.deviceDirectory()};
};

TEST_F(HidrawEnumerationTest, BindAndEnumerationNeedTheHidrawClass)
{
    EXPECT_EQ(platform.Bind(), BindResult::Missing);
    EXPECT_TRUE(ListInterfaces(platform).empty());
    tree.AddHidrawClass();
    EXPECT_EQ(platform.Bind(), BindResult::Bound);
}

TEST_F(HidrawEnumerationTest, OneEntryPerCollectionInNodeNumberOrder)
{
    tree.AddNode(10, kMouseCommandDescriptor, kVendor, kProduct);
    tree.AddNode(2, kBrokenDescriptor, kVendor, kProduct);
    tree.AddNode(1, kBootKeyboardDescriptor, 0x046D, 0xC31C);
    tree.AddNode(0, kBootMouseDescriptor, kVendor, kProduct);

    const std::vector<HidInterfaceDetail> details = ListInterfaces(platform);
    ASSERT_EQ(details.size(), 4u);
    EXPECT_EQ(details[0].path, tree.NodePath(0));
    EXPECT_EQ(details[0].collection, 0);
    EXPECT_EQ(details[1].path, tree.NodePath(1));
    EXPECT_EQ(details[1].collection, 0);
    EXPECT_EQ(details[2].path, tree.NodePath(10));
    EXPECT_EQ(details[2].collection, 0);
    EXPECT_EQ(details[3].path, tree.NodePath(10));
    EXPECT_EQ(details[3].collection, 1);

    ASSERT_TRUE(platform.BeginEnumeration());
    EXPECT_FALSE(platform.HasInterface(4));
    EXPECT_FALSE(platform.InterfaceDetail(4).has_value());
    platform.EndEnumeration();
}

TEST_F(HidrawEnumerationTest, EnumerationIsASnapshot)
{
    tree.AddHidrawClass();
    ASSERT_TRUE(platform.BeginEnumeration());
    EXPECT_FALSE(platform.HasInterface(0));
    tree.AddNode(3, kBootMouseDescriptor, kVendor, kProduct);
    EXPECT_FALSE(platform.HasInterface(0));
    platform.EndEnumeration();

    EXPECT_EQ(ListInterfaces(platform).size(), 1u);
}

TEST_F(HidrawEnumerationTest, LaterEnumerationsSeeReplacedAndRemovedNodes)
{
    tree.AddNode(3, kBootMouseDescriptor, 0x046D, 0xC077);
    tree.AddNode(4, kBootKeyboardDescriptor, 0x046D, 0xC31C);
    ASSERT_EQ(ListInterfaces(platform).size(), 2u);

    tree.ReplaceNode(3, kMouseCommandDescriptor, kVendor, kProduct);
    tree.RemoveNode(4);
    tree.AddNode(5, kBootMouseDescriptor, kVendor, kProduct);
    const std::vector<HidInterfaceDetail> details = ListInterfaces(platform);
    ASSERT_EQ(details.size(), 3u);
    EXPECT_EQ(details[0].path, tree.NodePath(3));
    EXPECT_EQ(details[1].path, tree.NodePath(3));
    EXPECT_EQ(details[1].collection, 1);
    EXPECT_EQ(details[2].path, tree.NodePath(5));

    const HidHandle memory = platform.Open(details[1]);
    ASSERT_NE(memory, kNoHandle);
    EXPECT_EQ(platform.Capabilities(memory)->firstInputButtonReportId, 8);
    EXPECT_EQ(platform.Attributes(memory)->productId, kProduct);
    platform.Close(memory);
}

TEST_F(HidrawEnumerationTest, OpenedCollectionsGiveTheirOwnCapabilities)
{
    tree.AddNode(4, kMouseCommandDescriptor, kVendor, kProduct);
    const std::vector<HidInterfaceDetail> details = ListInterfaces(platform);
    ASSERT_EQ(details.size(), 2u);

    // Opened after the enumeration ended: the node is read again.
    const HidHandle status = platform.Open(details[0]);
    const HidHandle memory = platform.Open(details[1]);
    ASSERT_NE(status, kNoHandle);
    ASSERT_NE(memory, kNoHandle);
    EXPECT_NE(status, memory);

    const auto statusCaps = platform.Capabilities(status);
    ASSERT_TRUE(statusCaps.has_value());
    EXPECT_EQ(statusCaps->inputReportByteLength, 8);
    EXPECT_EQ(statusCaps->numberInputButtonCaps, 1);
    EXPECT_EQ(statusCaps->firstInputButtonReportId, 4);

    const auto memoryCaps = platform.Capabilities(memory);
    ASSERT_TRUE(memoryCaps.has_value());
    EXPECT_EQ(memoryCaps->inputReportByteLength, 9);
    EXPECT_EQ(memoryCaps->firstInputButtonReportId, 8);

    // A FIFO answers no HIDIOCGRAWINFO; the ids come from the uevent.
    const auto attributes = platform.Attributes(memory);
    ASSERT_TRUE(attributes.has_value());
    EXPECT_EQ(attributes->vendorId, kVendor);
    EXPECT_EQ(attributes->productId, kProduct);

    platform.Close(status);
    EXPECT_FALSE(platform.Capabilities(status).has_value());
    EXPECT_FALSE(platform.Attributes(status).has_value());
    EXPECT_TRUE(platform.Capabilities(memory).has_value());
    platform.Close(memory);
    platform.Close(memory);
}

TEST_F(HidrawEnumerationTest, OpenDuringEnumerationUsesTheSnapshot)
{
    tree.AddNode(0, kBootMouseDescriptor, kVendor, kProduct);
    ASSERT_TRUE(platform.BeginEnumeration());
    const auto detail = platform.InterfaceDetail(0);
    ASSERT_TRUE(detail.has_value());
    const HidHandle handle = platform.Open(*detail);
    ASSERT_NE(handle, kNoHandle);
    const auto caps = platform.Capabilities(handle);
    ASSERT_TRUE(caps.has_value());
    EXPECT_EQ(caps->inputReportByteLength, 4);
    platform.Close(handle);
    platform.EndEnumeration();
}

TEST_F(HidrawEnumerationTest, OpenRefusesWhatIsNotAListedCollection)
{
    tree.AddNode(0, kBootMouseDescriptor, kVendor, kProduct);
    tree.AddNode(1, kBrokenDescriptor, kVendor, kProduct);
    const std::vector<HidInterfaceDetail> refused = {
        {tree.NodePath(0), 1},
        {tree.NodePath(0), -1},
        {tree.NodePath(1), 0},
        {tree.NodePath(7), 0},
        {tree.deviceDirectory() + "/../dev/hidraw0", 0},
        {tree.deviceDirectory() + "/hidraw0/", 0},
        {"/nonexistent/hidraw0", 0},
        {"", 0},
    };
    for (const HidInterfaceDetail& detail : refused) {
        EXPECT_EQ(platform.Open(detail), kNoHandle) << detail.path << " #" << detail.collection;
    }
    // The node exists in sysfs but its device node is gone.
    ASSERT_EQ(unlink(tree.NodePath(0).c_str()), 0);
    EXPECT_EQ(platform.Open({tree.NodePath(0), 0}), kNoHandle);
}

TEST_F(HidrawEnumerationTest, AttributesNeedAReadableUevent)
{
    tree.AddNode(0, kBootMouseDescriptor, kVendor, kProduct);
    tree.SetUevent(0, "DRIVER=hid-generic\n");
    const HidHandle handle = platform.Open({tree.NodePath(0), 0});
    ASSERT_NE(handle, kNoHandle);
    EXPECT_FALSE(platform.Attributes(handle).has_value());
    EXPECT_TRUE(platform.Capabilities(handle).has_value());
    platform.Close(handle);
}

// Root may open anything, so the check runs in a child that has given up
// root for "nobody"; the tree is made readable for it.
std::vector<std::string> InaccessibleNodesAsUnprivileged(const FakeHidrawTree& tree)
{
    HidrawPlatform platform(tree.sysfsRoot(), tree.deviceDirectory());
    if (geteuid() != 0) {
        return platform.InaccessibleNodes({kVendor, kProduct});
    }
    chmod(tree.root().c_str(), 0755);
    int channel[2];
    if (pipe(channel) != 0) {
        ADD_FAILURE() << "pipe failed";
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0) {
            _exit(2);
        }
        for (const std::string& path : platform.InaccessibleNodes({kVendor, kProduct})) {
            const std::string line = path + "\n";
            if (write(channel[1], line.data(), line.size()) != static_cast<ssize_t>(line.size())) {
                _exit(3);
            }
        }
        _exit(0);
    }
    close(channel[1]);
    std::string output;
    char chunk[256];
    ssize_t got = 0;
    while ((got = read(channel[0], chunk, sizeof chunk)) > 0) {
        output.append(chunk, static_cast<size_t>(got));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    std::vector<std::string> paths;
    for (size_t start = 0; start < output.size();) {
        const size_t end = output.find('\n', start);
        paths.push_back(output.substr(start, end - start));
        start = end + 1;
    }
    return paths;
}

TEST_F(HidrawEnumerationTest, InaccessibleNodesListsOnlyTheDevicesNodesWithoutPermission)
{
    tree.AddNode(0, kBootMouseDescriptor, kVendor, kProduct);
    tree.AddNode(1, kMouseCommandDescriptor, kVendor, kProduct);
    tree.AddNode(2, kBootKeyboardDescriptor, 0x046D, 0xC31C);
    tree.AddNode(3, kBootMouseDescriptor, kVendor, 0xC049);
    tree.AddNode(4, kMouseCommandDescriptor, kVendor, kProduct);
    for (unsigned number : {0u, 1u, 2u, 3u}) {
        ASSERT_EQ(chmod(tree.NodePath(number).c_str(), 0600), 0);
    }
    ASSERT_EQ(chmod(tree.NodePath(4).c_str(), 0666), 0);

    EXPECT_EQ(InaccessibleNodesAsUnprivileged(tree),
              (std::vector<std::string>{tree.NodePath(0), tree.NodePath(1)}));
}

}  // namespace
}  // namespace qmb::test
