// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/text_buffer.h"

#include "settings/settings_keys.h"

namespace qmb::settings {
namespace {

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

}  // namespace

std::string_view UpToTerminator(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

std::string FitTextBuffer(std::string_view text)
{
    text = UpToTerminator(text);
    std::size_t length = text.size();
    if (length >= kTextBufferSize) {
        length = kTextBufferSize - 1;
        while (length > 0 && IsContinuationByte(text[length]))
            --length;
    }
    return std::string(text.substr(0, length));
}

}  // namespace qmb::settings
