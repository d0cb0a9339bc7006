// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/echoed_text.h"

#include <cstdint>

namespace qmb {

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text` that
// is safe to print (no C1 control), or 0.
size_t PrintableSequenceLength(std::string_view text)
{
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(0);
    if (lead >= 0x20 && lead < 0x7F) {
        return 1;
    }
    size_t length = 0;
    uint32_t codePoint = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte(i) & 0x3Fu);
    }
    constexpr uint32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool overlong = codePoint < kShortest[length];
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    const bool c1Control = codePoint < 0xA0;
    if (overlong || surrogate || c1Control || codePoint > 0x10FFFF) {
        return 0;
    }
    return length;
}

}  // namespace

bool Printable(std::string_view text)
{
    while (!text.empty()) {
        const size_t length = PrintableSequenceLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

std::string Echoed(std::string_view input, size_t longest)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    size_t characters = 0;
    while (!input.empty()) {
        if (characters == longest) {
            shown += "...";
            break;
        }
        const size_t length = PrintableSequenceLength(input);
        if (length > 0) {
            shown.append(input.substr(0, length));
            input.remove_prefix(length);
        } else {
            const auto byte = static_cast<uint8_t>(input.front());
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0x0Fu];
            input.remove_prefix(1);
        }
        ++characters;
    }
    return shown;
}

}  // namespace qmb
