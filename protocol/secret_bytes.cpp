// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/secret_bytes.h"

#include <algorithm>
#include <optional>

#include "protocol/memory_map.h"
#include "protocol/reports.h"

namespace qmb {

namespace {

constexpr size_t kDataStart = 2;

// The data bytes of a write to, or a read of, `address` cover the next six
// addresses. The first of them that lies in secret memory, if any.
std::optional<size_t> FirstSecretByteFrom(uint8_t address)
{
    const int last = address + kMemoryUnit - 1;
    if (last < kFirstSecretAddress || address > kLastSecretAddress) {
        return std::nullopt;
    }
    return kDataStart + (address < kFirstSecretAddress ? kFirstSecretAddress - address : 0);
}

bool CarriesTypedSecret(uint8_t code)
{
    return std::find(kSecretCodes.begin(), kSecretCodes.end(), code) != kSecretCodes.end();
}

}  // namespace

size_t SecretStartOfOutput(std::span<const uint8_t> report)
{
    if (report.size() < 2 || report[1] == kReadMarker) {
        return SIZE_MAX;
    }
    if (CarriesTypedSecret(report[1])) {
        return kDataStart;
    }
    return FirstSecretByteFrom(report[1]).value_or(SIZE_MAX);
}

size_t SecretStartOfReply(std::span<const uint8_t> request, std::span<const uint8_t> reply)
{
    if (IsStatusReport(reply)) {
        return SIZE_MAX;
    }
    // A mouse that echoes what it was sent would otherwise leak the secret
    // through its answer.
    if (request.size() > 2 && request[1] == kReadMarker) {
        return FirstSecretByteFrom(request[2]).value_or(SIZE_MAX);
    }
    return SecretStartOfOutput(request);
}

}  // namespace qmb
