// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace qmb::settings {

// The text before its first zero byte.
std::string_view UpToTerminator(std::string_view text);

// The text before its first zero byte, shortened at a UTF-8 character
// boundary until it fits kTextBufferSize bytes with its terminator.
std::string FitTextBuffer(std::string_view text);

}  // namespace qmb::settings
