// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string.h>

#include <cstdint>
#include <span>

namespace qmb {

// Overwrites a buffer that held a secret, in a way the compiler keeps.
inline void WipeSecret(std::span<uint8_t> bytes)
{
    explicit_bzero(bytes.data(), bytes.size());
}

}  // namespace qmb
