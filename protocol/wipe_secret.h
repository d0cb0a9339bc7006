#pragma once

#include <cstdint>
#include <span>

namespace qmb {

// Overwrites a buffer that held a secret, in a way the compiler keeps.
inline void WipeSecret(std::span<uint8_t> bytes)
{
    volatile uint8_t* p = bytes.data();
    for (size_t i = 0; i < bytes.size(); ++i) {
        p[i] = 0;
    }
}

}  // namespace qmb
