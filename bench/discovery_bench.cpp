// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <benchmark/benchmark.h>

#include "device/device_link.h"
#include "device/hidraw/hidraw_platform.h"
#include "protocol/model_table.h"
#include "tests/device/hidraw/fake_hidraw_tree.h"
#include "tests/device/hidraw/sample_descriptors.h"

namespace {

constexpr unsigned kNodeCount = 32;
constexpr uint16_t kOtherVendor = 0x046D;

// 30 nodes of other devices, then the mouse's pointer interface and its
// command interface, so a pass walks every node before it finds the match.
void AddNodes(qmb::test::FakeHidrawTree& tree)
{
    for (unsigned number = 0; number < kNodeCount - 2; ++number) {
        if (number % 2 == 0) {
            tree.AddNode(number, qmb::test::kBootKeyboardDescriptor, kOtherVendor, 0xC300 + number);
        } else {
            tree.AddNode(number, qmb::test::kNestedPushPopDescriptor, kOtherVendor, 0xC500 + number);
        }
    }
    tree.AddNode(kNodeCount - 2, qmb::test::kBootMouseDescriptor, qmb::kMouseVendorId, 0xC048);
    tree.AddNode(kNodeCount - 1, qmb::test::kMouseCommandDescriptor, qmb::kMouseVendorId, 0xC048);
}

// One discovery pass of the status collection over hidraw, and its close.
void DiscoveryPass(benchmark::State& run)
{
    qmb::test::FakeHidrawTree tree;
    AddNodes(tree);
    qmb::HidrawPlatform platform(tree.sysfsRoot(), tree.deviceDirectory());
    qmb::DeviceLink link(platform, qmb::MouseIdentity(0));
    auto session = link.CommandSession();
    for (auto _ : run) {
        if (session.OpenDevice(4) != 1) {
            run.SkipWithError("the mouse was not found");
            break;
        }
        session.CloseDevice();
    }
}
BENCHMARK(DiscoveryPass)->Unit(benchmark::kMicrosecond);

// The platform's own share of a pass: listing the nodes and their
// collections, without opening any of them.
void EnumerationOnly(benchmark::State& run)
{
    qmb::test::FakeHidrawTree tree;
    AddNodes(tree);
    qmb::HidrawPlatform platform(tree.sysfsRoot(), tree.deviceDirectory());
    for (auto _ : run) {
        platform.BeginEnumeration();
        for (size_t index = 0; platform.HasInterface(index); ++index) {
            benchmark::DoNotOptimize(platform.InterfaceDetail(index));
        }
        platform.EndEnumeration();
    }
}
BENCHMARK(EnumerationOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
