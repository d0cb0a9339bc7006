#include <benchmark/benchmark.h>

#include "device/device_link.h"
#include "device/emulated_platform.h"
#include "protocol/mouse_commands.h"

namespace {

// One status query against the demo mouse: take the device, discover, send,
// read the reply, close, decode.
void StatusExchange(benchmark::State& run)
{
    qmb::EmulatedPlatform platform;
    qmb::DeviceLink link(platform);
    qmb::DeviceState state;
    qmb::MouseCommands commands(link, state);
    for (auto _ : run) {
        benchmark::DoNotOptimize(commands.QueryStatus());
    }
}
BENCHMARK(StatusExchange)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
