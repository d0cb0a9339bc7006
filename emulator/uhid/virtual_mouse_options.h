// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <span>

namespace qmb::emu {

extern const char* const kVirtualMouseUsage;

struct VirtualMouseOptions {
    int modelNumber = 0;
    bool trace = false;
    bool help = false;
    bool version = false;
};

// The command line without the program name; nothing when it is not
// understood.
std::optional<VirtualMouseOptions> ParseVirtualMouseOptions(std::span<const char* const> args);

}  // namespace qmb::emu
