// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <benchmark/benchmark.h>

#include "device/device_link.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/model_table.h"
#include "protocol/mouse_commands.h"
#include "protocol/state_keeper.h"

namespace {

// One status query against the demo mouse: take the device, discover, send,
// read the reply, close, decode.
void StatusExchange(benchmark::State& run)
{
    qmb::EmulatedPlatform platform;
    qmb::DeviceLink link(platform, qmb::MouseIdentity(0));
    qmb::DeviceState state;
    qmb::StateKeeper keeper(state);
    qmb::MouseCommands commands(link);
    for (auto _ : run) {
        benchmark::DoNotOptimize(keeper.Take(commands.QueryStatus()).ok());
    }
}
BENCHMARK(StatusExchange)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
