// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <span>

#include "device/hidraw/report_descriptor.h"

// Besides memory safety, the parser's answer must be self-consistent: the
// platform sizes reads and filters reports by it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto parsed = qmb::ParseReportDescriptor(std::span(data, size));
    if (!parsed) {
        return 0;
    }
    for (const qmb::TopLevelCollection& collection : parsed->collections) {
        const auto& ids = collection.inputReportIds;
        const bool ascending = std::adjacent_find(ids.begin(), ids.end(), std::greater_equal<>()) == ids.end();
        if (!ascending) {
            std::abort();
        }
        if (ids.empty() != (collection.inputReportByteLength == 0)) {
            std::abort();
        }
        if (collection.inputReportByteLength > 16384) {
            std::abort();
        }
        if (collection.numberInputButtonCaps != 0 &&
            !std::binary_search(ids.begin(), ids.end(), collection.firstInputButtonReportId)) {
            std::abort();
        }
        if (!parsed->usesReportIds && !ids.empty() && (ids.size() != 1 || ids.front() != 0)) {
            std::abort();
        }
    }
    return 0;
}
