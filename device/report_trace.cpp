#include "device/report_trace.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

namespace qmb {

namespace {

constexpr size_t kDataStart = 2;
constexpr uint8_t kReadMarker = 0xFF;
constexpr uint8_t kStatusCode = 0xCA;
// Mouse password, short password, then the ID and password slots.
constexpr uint8_t kFirstSecretAddress = 0x2F;
constexpr uint8_t kLastSecretAddress = 0xAC;
constexpr std::array<uint8_t, 5> kSecretCodes{0xF1, 0xF2, 0xF3, 0xF4, 0xFD};

bool IsSecretAddress(uint8_t address)
{
    return address >= kFirstSecretAddress && address <= kLastSecretAddress;
}

bool WritesSecret(std::span<const uint8_t> report)
{
    if (report.size() < 2) {
        return false;
    }
    const uint8_t code = report[1];
    for (uint8_t secretCode : kSecretCodes) {
        if (code == secretCode) {
            return true;
        }
    }
    return IsSecretAddress(code);
}

bool ReadsSecret(std::span<const uint8_t> report)
{
    return report.size() > 2 && report[1] == kReadMarker && IsSecretAddress(report[2]);
}

}  // namespace

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

size_t SecretStartOfOutput(std::span<const uint8_t> report)
{
    return WritesSecret(report) ? kDataStart : SIZE_MAX;
}

size_t SecretStartOfReply(std::span<const uint8_t> request, std::span<const uint8_t> reply)
{
    // A mouse that echoes what it was sent would otherwise leak the secret
    // through its answer.
    const bool askedOrCarried = WritesSecret(request) || ReadsSecret(request);
    const bool isStatus = reply.size() > 1 && reply[1] == kStatusCode;
    return askedOrCarried && !isStatus ? kDataStart : SIZE_MAX;
}

ReportTrace::ReportTrace(Sink sink) : sink_(std::move(sink)) {}

void ReportTrace::Output(std::span<const uint8_t> report)
{
    std::lock_guard lock(mutex_);
    lastOutputLength_ = std::min(report.size(), lastOutput_.size());
    std::copy_n(report.begin(), lastOutputLength_, lastOutput_.begin());
    sink_("> " + FormatReport(report, SecretStartOfOutput(report)));
}

void ReportTrace::Input(std::span<const uint8_t> report)
{
    std::lock_guard lock(mutex_);
    sink_("< " + FormatReport(report, SecretStartOfReply(lastOutput(), report)));
    lastOutputLength_ = 0;
}

std::unique_ptr<ReportTrace> TraceToStandardError(bool requested)
{
    const char* variable = std::getenv("QMB_TRACE");
    if (!requested && !(variable && std::string_view(variable) == "1")) {
        return nullptr;
    }
    // Flushed per line: whoever reads the trace reads it while it runs.
    return std::make_unique<ReportTrace>([](std::string_view line) {
        std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
        std::fflush(stderr);
    });
}

std::span<const uint8_t> ReportTrace::lastOutput() const
{
    return {lastOutput_.data(), lastOutputLength_};
}

}  // namespace qmb
