// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "device/hidraw/report_descriptor.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The kernel hands over at most this many bytes of descriptor.
constexpr size_t kLargestDescriptor = 4096;

// A piece repeated for as long as it fits the largest descriptor.
Bytes Repeated(std::initializer_list<uint8_t> piece)
{
    Bytes bytes;
    while (bytes.size() + piece.size() <= kLargestDescriptor) {
        bytes.insert(bytes.end(), piece);
    }
    return bytes;
}

// As many top-level collections as fit, each with an input report whose id
// is its own while ids last.
Bytes OneReportPerCollection()
{
    Bytes bytes;
    for (unsigned index = 0; bytes.size() + 7 <= kLargestDescriptor; ++index) {
        const auto id = static_cast<uint8_t>(1 + index % 255);
        bytes.insert(bytes.end(), {0xA1, 0x01, 0x85, id, 0x81, 0x00, 0xC0});
    }
    return bytes;
}

// The most top-level collections that can each own a report, the last one
// filled with input items up to the largest size.
Bytes MostCollectionsFilled()
{
    Bytes bytes;
    for (unsigned id = 1; id <= 255; ++id) {
        bytes.insert(bytes.end(), {0xA1, 0x01, 0x85, static_cast<uint8_t>(id), 0x81, 0x00, 0xC0});
    }
    bytes.pop_back();
    while (bytes.size() + 3 <= kLargestDescriptor) {
        bytes.insert(bytes.end(), {0x81, 0x00});
    }
    bytes.push_back(0xC0);
    return bytes;
}

// Shows its size and how many collections it yields (0 when it is refused).
void Parse(benchmark::State& run, const Bytes& bytes)
{
    for (auto _ : run) {
        benchmark::DoNotOptimize(qmb::ParseReportDescriptor(bytes));
    }
    const auto parsed = qmb::ParseReportDescriptor(bytes);
    run.counters["bytes"] = static_cast<double>(bytes.size());
    run.counters["collections"] = parsed ? static_cast<double>(parsed->collections.size()) : 0;
}

void Register(const std::string& name, Bytes bytes)
{
    benchmark::RegisterBenchmark(name.c_str(), Parse, std::move(bytes))->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry :
         std::filesystem::directory_iterator(QMB_SOURCE_DIR "/tests/device/hidraw/real_descriptors")) {
        if (entry.path().extension() == ".bin") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
        std::ifstream stream(file, std::ios::binary);
        Register("real/" + file.stem().string(),
                 Bytes(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()));
    }
    Register("worst/empty_collections", Repeated({0xA1, 0x00, 0xC0}));
    Register("worst/one_report_per_collection", OneReportPerCollection());
    Register("worst/most_collections_filled", MostCollectionsFilled());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
