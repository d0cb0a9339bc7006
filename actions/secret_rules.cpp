// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "actions/secret_rules.h"

#include "protocol/usage_table.h"

namespace qmb {

namespace {

// Site IDs may hold "*"; passwords letters and digits only.
size_t TableLengthOf(SecretKind kind)
{
    return kind == SecretKind::SiteId ? kIdTableLength : kPasswordTableLength;
}

}  // namespace

template <size_t N>
std::optional<SecretUsages<N>> SecretUsagesOf(SecretKind kind, std::string_view text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    return ToSecretUsages<N>(text, TableLengthOf(kind));
}

template std::optional<SecretUsages<12>> SecretUsagesOf<12>(SecretKind, std::string_view);
template std::optional<SecretUsages<6>> SecretUsagesOf<6>(SecretKind, std::string_view);

ActionResult CheckSecret(SecretKind kind, std::string_view text)
{
    if (text.empty()) {
        return ActionResult::EmptyInput;
    }
    const bool fits = kind == SecretKind::ShortPassword ? SecretUsagesOf<6>(kind, text).has_value()
                                                        : SecretUsagesOf<12>(kind, text).has_value();
    return fits ? ActionResult::Done : ActionResult::InvalidKeys;
}

ActionResult CheckNewPassword(std::string_view password, std::string_view again)
{
    if (password.empty() || again.empty()) {
        return ActionResult::EmptyInput;
    }
    if (password != again) {
        return ActionResult::NotMatching;
    }
    return CheckSecret(SecretKind::MousePassword, password);
}

}  // namespace qmb
