// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/settings_memory.h"

#include <algorithm>

namespace qmb::emu {

namespace {

// Marker 04, one run, 1 ms on, 1 ms off, 2 ms cycle unused, "continue
// value" on the left button.
constexpr Window kFactorySequence{0x04, 1, 1, 1, 2, 0x11};
constexpr size_t kFunctionKeysFirst = kWritableRegions.front().first;

}  // namespace

Window CopyWindow(std::span<const uint8_t, kWriteUnit> bytes) {
    Window window{};
    std::ranges::copy(bytes, window.begin());
    return window;
}

Record JoinHalves(const Window& first, std::span<const uint8_t, kWriteUnit> second) {
    Record record{};
    std::ranges::copy(second, std::ranges::copy(first, record.begin()).out);
    return record;
}

SettingsMemory::SettingsMemory() {
    RestoreFactorySettings();
}

Window SettingsMemory::ReadWindow(uint8_t address) const {
    Window window{};
    for (size_t i = 0; i < window.size(); ++i) {
        const size_t at = size_t{address} + i;
        if (at < bytes_.size() && !IsSecretAddress(at)) {
            window[i] = bytes_[at];
        }
    }
    return window;
}

void SettingsMemory::Store(size_t address, std::span<const uint8_t> data) {
    if (address >= bytes_.size()) {
        return;
    }
    const size_t count = std::min(data.size(), bytes_.size() - address);
    std::copy_n(data.begin(), count, bytes_.begin() + static_cast<std::ptrdiff_t>(address));
}

std::span<const uint8_t> SettingsMemory::View(size_t address, size_t length) const {
    return std::span<const uint8_t>(bytes_).subspan(address, length);
}

bool SettingsMemory::IsBlank(size_t address, size_t length) const {
    const std::span<const uint8_t> view = View(address, length);
    return std::all_of(view.begin(), view.end(), [](uint8_t byte) { return byte == 0; });
}

void SettingsMemory::RestoreFactorySettings() {
    std::fill(bytes_.begin() + kFunctionKeysFirst, bytes_.begin() + kSequenceAddress, uint8_t{0});
    Store(kSequenceAddress, kFactorySequence);
}

}  // namespace qmb::emu
