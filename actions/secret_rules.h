// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string_view>

#include "actions/action_result.h"
#include "protocol/secret_usages.h"

namespace qmb {

// What a secret is for decides its length and the characters it may hold.
enum class SecretKind { MousePassword, ShortPassword, SiteId, SitePassword };

// Whether typed text can go to the mouse as a secret of that kind:
// EmptyInput, InvalidKeys (a character the mouse cannot type, or more than
// fit) or Done. Nothing is sent to find out.
ActionResult CheckSecret(SecretKind kind, std::string_view text);

// A new mouse password and its repetition, in the order a user is told:
// EmptyInput, NotMatching, InvalidKeys or Done.
ActionResult CheckNewPassword(std::string_view password, std::string_view again);

// The usages of a secret of that kind, N long; none when CheckSecret
// would not accept it (a short password is 6 long, the others 12).
template <size_t N>
std::optional<SecretUsages<N>> SecretUsagesOf(SecretKind kind, std::string_view text);

}  // namespace qmb
