// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/report_trace.h"

namespace qmb {

// Where the secret bytes of an output report start (a password, short
// password, site ID or site password among its data bytes), SIZE_MAX if
// it carries none.
size_t SecretStartOfOutput(std::span<const uint8_t> report);
// The same for the reply to `request`: its data is masked where the
// request carried or asked for a secret, unless the reply is a
// StatusReport.
size_t SecretStartOfReply(std::span<const uint8_t> request, std::span<const uint8_t> reply);

// What a trace of this mouse's reports must not show.
inline constexpr SecretRule kMouseSecrets{SecretStartOfOutput, SecretStartOfReply};

}  // namespace qmb
