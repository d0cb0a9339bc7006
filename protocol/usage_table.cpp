// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/usage_table.h"

#include <algorithm>

#include "protocol/wipe_secret.h"

namespace qmb {

uint8_t CharToUsage(char character, size_t tableLength)
{
    const size_t length = std::min(tableLength, UsageTable.size());
    for (size_t i = 0; i < length; ++i) {
        if (UsageTable[i].character == character) {
            return UsageTable[i].usage;
        }
    }
    return 0;
}

bool ConvertToUsages(std::string_view text, size_t tableLength, std::span<uint8_t> usages)
{
    WipeSecret(usages);
    if (text.size() > usages.size()) {
        return false;
    }
    for (size_t i = 0; i < text.size(); ++i) {
        const uint8_t usage = CharToUsage(text[i], tableLength);
        if (usage == 0) {
            WipeSecret(usages);
            return false;
        }
        usages[i] = usage;
    }
    return true;
}

}  // namespace qmb
