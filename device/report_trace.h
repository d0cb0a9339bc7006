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

// Where the secret bytes of an output report start (a password, short
// password, site ID or site password in its data bytes), SIZE_MAX if none.
size_t SecretStartOfOutput(std::span<const uint8_t> report);
// The same for the reply to `request`: its data is masked when the request
// carried or asked for a secret, unless the reply is a StatusReport.
size_t SecretStartOfReply(std::span<const uint8_t> request, std::span<const uint8_t> reply);

// Writes every report on the wire, one per line: "> " for output, "< " for
// input, secrets masked by what the report is, whoever sent it.
class ReportTrace {
public:
    using Sink = std::function<void(std::string_view line)>;

    explicit ReportTrace(Sink sink);

    void Output(std::span<const uint8_t> report);
    void Input(std::span<const uint8_t> report);

private:
    Sink sink_;
    std::mutex mutex_;
    std::span<const uint8_t> lastOutput() const;

    // Only the id, code and address: enough to judge the reply, no secret kept.
    std::array<uint8_t, 3> lastOutput_{};
    size_t lastOutputLength_ = 0;
};

// The trace on standard error, one flushed line per report, when asked for
// by the --trace option (`requested`) or QMB_TRACE=1; none otherwise.
std::unique_ptr<ReportTrace> TraceToStandardError(bool requested);

}  // namespace qmb
