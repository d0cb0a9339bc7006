// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/wipe_secret.h"

namespace qmb {

// A typed secret as keyboard usages (a password, a site ID), zero-padded
// to the `N` bytes the mouse takes. It lives only as long as the command
// that sends it needs it: it cannot be copied, a move leaves the source
// empty, and the bytes are wiped when it goes.
template <size_t N>
class SecretUsages {
public:
    SecretUsages() = default;
    ~SecretUsages() { WipeSecret(bytes_); }
    SecretUsages(const SecretUsages&) = delete;
    SecretUsages& operator=(const SecretUsages&) = delete;
    SecretUsages(SecretUsages&& other) noexcept : bytes_(other.bytes_) { WipeSecret(other.bytes_); }
    SecretUsages& operator=(SecretUsages&& other) noexcept
    {
        if (this != &other) {
            bytes_ = other.bytes_;
            WipeSecret(other.bytes_);
        }
        return *this;
    }

    std::span<const uint8_t, N> bytes() const { return bytes_; }
    std::span<uint8_t, N> bytes() { return bytes_; }

private:
    std::array<uint8_t, N> bytes_{};
};

}  // namespace qmb
