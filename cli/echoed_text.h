// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <string_view>

namespace qmb {

// Input quoted back in a message: bytes a terminal would act on (controls,
// escape sequences, broken UTF-8) shown as \xNN, and no more than `longest`
// characters of it, so that junk cannot retitle the terminal or flood it.
std::string Echoed(std::string_view input, size_t longest = 40);

// Whether text is well-formed UTF-8 a terminal only shows: no control, no
// escape sequence.
bool Printable(std::string_view text);

}  // namespace qmb
