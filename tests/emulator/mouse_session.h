// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "emulator/virtual_mouse.h"

namespace qmb::emu::test {

using Bytes = std::vector<uint8_t>;
using Six = std::array<uint8_t, 6>;

// "ab1Z" as keyboard usages.
inline constexpr std::array<uint8_t, 12> kMousePassword{0x04, 0x05, 0x1E, 0x9D, 0, 0, 0, 0, 0, 0, 0, 0};
inline constexpr Six kShortPassword{0x27, 0x26, 0, 0, 0, 0};

// The mouse's one answer to `report`.
inline Bytes Send(VirtualMouse& mouse, const Bytes& report) {
    const std::vector<Report> replies = mouse.HandleOutputReport(report);
    EXPECT_EQ(replies.size(), 1u);
    return replies.empty() ? Bytes{} : replies.front();
}

inline Bytes Long(uint8_t code, const Six& data = {}) {
    return {0x08, code, data[0], data[1], data[2], data[3], data[4], data[5], 0x00};
}

// What the mouse answers a command it refuses.
inline const Bytes kRefused = Long(0x00);

inline Six FirstHalf(const std::array<uint8_t, 12>& text) {
    return {text[0], text[1], text[2], text[3], text[4], text[5]};
}

inline Six SecondHalf(const std::array<uint8_t, 12>& text) {
    return {text[6], text[7], text[8], text[9], text[10], text[11]};
}

// Sends a twelve-byte text in two reports; returns the second answer.
inline Bytes SendHalves(VirtualMouse& mouse, uint8_t firstCode, uint8_t secondCode,
                        const std::array<uint8_t, 12>& text) {
    Send(mouse, Long(firstCode, FirstHalf(text)));
    return Send(mouse, Long(secondCode, SecondHalf(text)));
}

inline void EnrolMousePassword(VirtualMouse& mouse) {
    SendHalves(mouse, 0x2F, 0x35, kMousePassword);
}

inline Bytes SignIn(VirtualMouse& mouse, const std::array<uint8_t, 12>& password = kMousePassword) {
    return SendHalves(mouse, 0xF1, 0xF2, password);
}

}  // namespace qmb::emu::test
