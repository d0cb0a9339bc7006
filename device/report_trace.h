// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>

namespace qmb {

// Upper-case hex pairs separated by single spaces; bytes from `maskFrom` on
// are written as "**".
std::string FormatReport(std::span<const uint8_t> report, size_t maskFrom = SIZE_MAX);

// Which bytes of a report carry a secret, as the device's protocol knows:
// the index from which a report is masked, SIZE_MAX when it carries none.
struct SecretRule {
    size_t (*output)(std::span<const uint8_t> report);
    // An input report, judged with the output report sent last (empty when
    // none was).
    size_t (*input)(std::span<const uint8_t> lastOutput, std::span<const uint8_t> report);
};

// Writes every report on the wire, one per line: "> " for output, "< " for
// input, secrets masked by what the report is, whoever sent it.
class ReportTrace {
public:
    using Sink = std::function<void(std::string_view line)>;

    ReportTrace(Sink sink, SecretRule secrets);

    void Output(std::span<const uint8_t> report);
    void Input(std::span<const uint8_t> report);

private:
    Sink sink_;
    SecretRule secrets_;
    std::mutex mutex_;
    std::span<const uint8_t> lastOutput() const;

    // Only the id, code and address: enough to judge the reply, no secret kept.
    std::array<uint8_t, 3> lastOutput_{};
    size_t lastOutputLength_ = 0;
};

// The trace on standard error, one flushed line per report, when asked for
// by the --trace option (`requested`) or QMB_TRACE=1; none otherwise.
std::unique_ptr<ReportTrace> TraceToStandardError(bool requested, SecretRule secrets);

}  // namespace qmb
