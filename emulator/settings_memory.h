// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "emulator/memory_map.h"

namespace qmb::emu {

using Window = std::array<uint8_t, kWriteUnit>;
using Record = std::array<uint8_t, kRecordSize>;

Window CopyWindow(std::span<const uint8_t, kWriteUnit> bytes);
Record JoinHalves(const Window& first, std::span<const uint8_t, kWriteUnit> second);

// The 256 bytes of settings memory. Callers decide what may be written;
// this only keeps the bytes and hides the secret ones from reads.
class SettingsMemory {
public:
    SettingsMemory();

    const std::array<uint8_t, kMemorySize>& bytes() const { return bytes_; }

    // The six bytes from `address` as a read command answers them: secret
    // bytes and bytes past the end read as zero.
    Window ReadWindow(uint8_t address) const;
    // Bytes that would run past the end are dropped.
    void Store(size_t address, std::span<const uint8_t> data);
    std::span<const uint8_t> View(size_t address, size_t length) const;
    bool IsBlank(size_t address, size_t length) const;

    // Function keys back to their ordinary functions and the factory
    // auto-click sequence; credentials are left alone.
    void RestoreFactorySettings();

private:
    std::array<uint8_t, kMemorySize> bytes_{};
};

}  // namespace qmb::emu
