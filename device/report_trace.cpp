// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/report_trace.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace qmb {

std::string FormatReport(std::span<const uint8_t> report, size_t maskFrom)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(report.size() * 3);
    for (size_t i = 0; i < report.size(); ++i) {
        if (i > 0) {
            text += ' ';
        }
        if (i >= maskFrom) {
            text += "**";
        } else {
            text += kDigits[report[i] >> 4];
            text += kDigits[report[i] & 0x0F];
        }
    }
    return text;
}

ReportTrace::ReportTrace(Sink sink, SecretRule secrets) : sink_(std::move(sink)), secrets_(secrets) {}

void ReportTrace::Output(std::span<const uint8_t> report)
{
    std::lock_guard lock(mutex_);
    lastOutputLength_ = std::min(report.size(), lastOutput_.size());
    std::copy_n(report.begin(), lastOutputLength_, lastOutput_.begin());
    sink_("> " + FormatReport(report, secrets_.output(report)));
}

void ReportTrace::Input(std::span<const uint8_t> report)
{
    std::lock_guard lock(mutex_);
    sink_("< " + FormatReport(report, secrets_.input(lastOutput(), report)));
    lastOutputLength_ = 0;
}

std::unique_ptr<ReportTrace> TraceToStandardError(bool requested, SecretRule secrets)
{
    const char* variable = std::getenv("QMB_TRACE");
    if (!requested && !(variable && std::string_view(variable) == "1")) {
        return nullptr;
    }
    // Flushed per line: whoever reads the trace reads it while it runs.
    return std::make_unique<ReportTrace>(
        [](std::string_view line) {
            std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
            std::fflush(stderr);
        },
        secrets);
}

std::span<const uint8_t> ReportTrace::lastOutput() const
{
    return {lastOutput_.data(), lastOutputLength_};
}

}  // namespace qmb
