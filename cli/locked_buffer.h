// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <span>

namespace qmb {

// Memory for what a user types that may be a secret: pages of their own,
// kept out of swap where the system lets us and out of core dumps always,
// overwritten before they are given back. Not copyable.
class LockedBuffer {
public:
    explicit LockedBuffer(size_t size);
    ~LockedBuffer();
    LockedBuffer(const LockedBuffer&) = delete;
    LockedBuffer& operator=(const LockedBuffer&) = delete;

    std::span<char> bytes() { return {data_, size_}; }
    std::span<const char> bytes() const { return {data_, size_}; }

private:
    char* data_;
    size_t size_;
    size_t mapped_;
};

// From the first secret read on, the process leaves no core dump and lets
// no other process of the user attach to it.
void KeepSecretsFromOtherProcesses();

}  // namespace qmb
