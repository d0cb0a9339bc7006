// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "protocol/mouse_commands.h"

#include <algorithm>
#include <array>
#include <thread>

#include "protocol/memory_map.h"
#include "protocol/site_tables.h"
#include "protocol/wipe_secret.h"

namespace qmb {

namespace {

constexpr std::chrono::milliseconds kPauseBetweenReports{500};
constexpr int kMostStrayReports = 3;

constexpr uint8_t kRid = kMemoryReportId;
constexpr uint8_t kSequenceTag = 0x04;
constexpr uint8_t kSupported = 0xF0;
constexpr uint8_t kYes = 0xFF;

template <size_t Count>
void WipeAll(std::array<CommandReport, Count>& requests, std::array<ReplyBuffer, Count>& replies)
{
    for (auto& request : requests) {
        request.Wipe();
    }
    // A mouse may echo what it was sent.
    for (auto& reply : replies) {
        WipeSecret(reply);
    }
}

// The mouse accepts a sign-in by answering its last report with its state,
// now signed in.
void TakeAcceptance(Reply<StatusFields>& result, const ReplyBuffer& last)
{
    if (!result.ok()) {
        return;
    }
    if (IsStatusReport(last)) {
        result.value = StatusFields::Decode(last);
    } else {
        result.outcome = Outcome::Refused;
    }
}

Reply<> NoSuchSlot()
{
    Reply<> reply;
    reply.outcome = Outcome::NoSuchSlot;
    return reply;
}

CommandReport StatusWriteReport(const StatusFields& status)
{
    // The target is not masked: the mouse gets what it is given.
    const auto flags = static_cast<uint8_t>(((status.autoClickOn << 1 | status.siteModeOn) << 6) | status.autoClickTarget);
    return CommandReport{
        {kStatusReportId, kStatusCode, status.mode, status.resolution, status.reportInterval, 0x00, flags}};
}

}  // namespace

MouseCommands::MouseCommands(DeviceLink& link, Pause pause) : link_(link), pause_(std::move(pause)) {}

MouseCommands::Pause MouseCommands::DefaultPause()
{
    return [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };
}

template <typename T, size_t Count>
Reply<T> MouseCommands::Exchange(std::span<const CommandReport, Count> requests, std::array<ReplyBuffer, Count>& replies,
                                 StrayStatus stray)
{
    Reply<T> result;
    for (auto& reply : replies) {
        reply.fill(0);
    }
    auto session = link_.CommandSession();
    if (!session.OpenDevice(requests.front().reportId())) {
        result.outcome = session.busy() ? Outcome::Busy : Outcome::NoDevice;
        return result;
    }
    const auto noteStatus = [&result](std::span<const uint8_t> report) {
        if (IsStatusReport(report)) {
            result.statusReports.push_back(StatusFields::Decode(report));
        }
    };
    result.answered = true;
    for (size_t i = 0; i < Count; ++i) {
        if (i > 0) {
            pause_(kPauseBetweenReports);
        }
        const auto sent = session.SendReport(requests[i].bytes());
        for (const auto& earlier : sent.earlier) {
            noteStatus(earlier);
        }
        if (!sent.sent) {
            result.outcome = Outcome::SendFailed;
            return result;
        }
        bool answered = session.ReadReport(replies[i]) == 1;
        // A StatusReport the mouse sent by itself can come just before the
        // reply; the reply is still to come.
        for (int strays = 0; stray == StrayStatus::Possible && answered && IsStatusReport(replies[i]) &&
                             strays < kMostStrayReports;
             ++strays) {
            noteStatus(replies[i]);
            replies[i].fill(0);
            answered = session.ReadReport(replies[i]) == 1;
        }
        noteStatus(replies[i]);
        result.answered = result.answered && answered;
    }
    result.outcome = Outcome::Done;
    return result;
}

Reply<StatusFields> MouseCommands::QueryStatus()
{
    const std::array request{CommandReport{{kStatusReportId, kReadMarker, kStatusCode}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<StatusFields, 1>(request, reply);
    if (result.ok()) {
        result.value = StatusFields::Decode(reply[0]);
    }
    return result;
}

Reply<> MouseCommands::WriteStatus(const StatusFields& status)
{
    const std::array request{StatusWriteReport(status)};
    std::array<ReplyBuffer, 1> reply;
    return Exchange<std::monostate, 1>(request, reply);
}

Reply<std::optional<StatusFields>> MouseCommands::ApplyModeButton(const StatusFields& status)
{
    const std::array request{StatusWriteReport(status)};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<std::optional<StatusFields>, 1>(request, reply);
    if (result.ok() && IsStatusReport(reply[0])) {
        result.value = StatusFields::Decode(reply[0]);
    }
    return result;
}

Reply<ButtonMap> MouseCommands::QueryButtonMap()
{
    const std::array request{CommandReport{{kStatusReportId, kReadMarker, kButtonMapCode}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<ButtonMap, 1>(request, reply, StrayStatus::Possible);
    if (result.ok()) {
        std::copy_n(reply[0].begin() + 2, result.value.size(), result.value.begin());
    }
    return result;
}

Reply<> MouseCommands::WriteButtonMap(const ButtonMap& map)
{
    const std::array request{CommandReport{{kStatusReportId, kButtonMapCode}, map}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange<std::monostate, 1>(request, reply, StrayStatus::Possible);
}

Reply<FunctionKey> MouseCommands::ReadFunctionKey(uint8_t address)
{
    const std::array request{CommandReport{{kRid, kReadMarker, address}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<FunctionKey, 1>(request, reply);
    if (result.ok()) {
        std::copy_n(reply[0].begin() + 2, result.value.size(), result.value.begin());
    }
    return result;
}

Reply<> MouseCommands::WriteFunctionKey(uint8_t address, const FunctionKey& key)
{
    const std::array request{CommandReport{{kRid, address}, key}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange<std::monostate, 1>(request, reply);
}

Reply<SequenceRecord> MouseCommands::QuerySequence()
{
    const std::array request{CommandReport{{kRid, kReadMarker, kSequenceAddress}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<SequenceRecord, 1>(request, reply);
    if (result.ok()) {
        const auto& r = reply[0];
        result.value = {r[3], r[4], r[5], r[6], r[7] >> 7, static_cast<uint8_t>((r[7] >> 4) & 7),
                        static_cast<uint8_t>(r[7] & 3)};
    }
    return result;
}

Reply<> MouseCommands::WriteSequence(const SequenceRecord& record)
{
    // Packed without masking, as the mouse has always been sent it.
    const auto packed =
        static_cast<uint8_t>(((record.useRunCycle << 3 | record.sequenceMode) << 4) | record.applyButton);
    const std::array request{CommandReport{{kRid, kSequenceAddress, kSequenceTag, record.runCount, record.clickOnTime,
                                            record.clickOffTime, record.runCycle, packed}}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange<std::monostate, 1>(request, reply);
}

Reply<> MouseCommands::WriteTwelve(uint8_t firstCode, uint8_t secondCode, std::span<const uint8_t, 12> usages)
{
    std::array requests{CommandReport{{kRid, firstCode}, usages.first<6>()},
                        CommandReport{{kRid, secondCode}, usages.last<6>()}};
    std::array<ReplyBuffer, 2> replies;
    auto result = Exchange<std::monostate, 2>(requests, replies);
    WipeAll(requests, replies);
    return result;
}

Reply<> MouseCommands::WriteMousePassword(const SecretUsages<12>& password)
{
    return WriteTwelve(kPasswordFirstHalf, kPasswordSecondHalf, password.bytes());
}

Reply<> MouseCommands::WriteShortPassword(const SecretUsages<6>& password)
{
    std::array request{CommandReport{{kRid, kShortPasswordAddress}, password.bytes()}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<std::monostate, 1>(request, reply);
    WipeAll(request, reply);
    return result;
}

Reply<> MouseCommands::ClearShortPassword()
{
    const std::array request{CommandReport{{kRid, kShortPasswordAddress}}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange<std::monostate, 1>(request, reply);
}

Reply<StatusFields> MouseCommands::SignInMousePassword(const SecretUsages<12>& password)
{
    const auto usages = password.bytes();
    std::array requests{CommandReport{{kRid, kFirstHalfCode}, usages.first<6>()},
                        CommandReport{{kRid, kSignInCode}, usages.last<6>()}};
    std::array<ReplyBuffer, 2> replies;
    auto result = Exchange<StatusFields, 2>(requests, replies);
    TakeAcceptance(result, replies[1]);
    WipeAll(requests, replies);
    return result;
}

Reply<StatusFields> MouseCommands::SignInShortPassword(const SecretUsages<6>& password)
{
    std::array request{CommandReport{{kRid, kShortSignInCode}, password.bytes()}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<StatusFields, 1>(request, reply);
    TakeAcceptance(result, reply[0]);
    WipeAll(request, reply);
    return result;
}

Reply<StatusFields> MouseCommands::SignOut()
{
    const std::array request{CommandReport{{kRid, kSignOutCode}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<StatusFields, 1>(request, reply);
    if (result.ok()) {
        result.value = StatusFields::Decode(reply[0]);
    }
    return result;
}

Reply<SupportAnswer> MouseCommands::QuerySupport()
{
    const std::array request{CommandReport{{kRid, kSupportCode}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<SupportAnswer, 1>(request, reply);
    result.value.supported = result.ok() && reply[0][2] == kSupported;
    return result;
}

Reply<PasswordEnrolment> MouseCommands::QueryPasswordEnrolled()
{
    const std::array request{CommandReport{{kRid, kReadMarker, kEnrolmentQuery, kPasswordFirstHalf}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<PasswordEnrolment, 1>(request, reply);
    result.value.enrolled = result.ok() && reply[0][2] == kYes;
    return result;
}

Reply<LockFlags> MouseCommands::QueryLockFlags()
{
    const std::array request{CommandReport{{kRid, kLockFlagsCode}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<LockFlags, 1>(request, reply);
    if (result.ok()) {
        result.value = {reply[0][2] == kYes, reply[0][3] == kYes, (reply[0][6] >> 6) & 1};
    }
    return result;
}

Reply<SiteSelection> MouseCommands::SelectSite(uint8_t address)
{
    const std::array request{CommandReport{{kRid, kSelectSiteCode, 0x01, address}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<SiteSelection, 1>(request, reply);
    if (result.ok()) {
        result.value = {reply[0][2] != 0, reply[0][3] != 0, reply[0][2] == kYes && reply[0][3] == kYes};
    }
    return result;
}

Reply<SiteEntryRows> MouseCommands::ReadSiteEntry(uint8_t address)
{
    const std::array request{CommandReport{{kRid, kReadMarker, address}}};
    std::array<ReplyBuffer, 1> reply;
    auto result = Exchange<SiteEntryRows, 1>(request, reply);
    if (result.ok()) {
        result.value = {IdSlotRowOf(reply[0][2]), PasswordSlotRowOf(reply[0][3])};
    }
    return result;
}

Reply<> MouseCommands::Enroll(uint8_t secondCode, const SecretUsages<12>& usages)
{
    const auto bytes = usages.bytes();
    std::array requests{CommandReport{{kRid, kFirstHalfCode}, bytes.first<6>()},
                        CommandReport{{kRid, secondCode}, bytes.last<6>()}};
    std::array<ReplyBuffer, 2> replies;
    auto result = Exchange<std::monostate, 2>(requests, replies);
    // Only an answer says that no slot was free: a missing one reads as
    // zeros too.
    if (result.ok() && result.answered && !IsStatusReport(replies[1]) && replies[1][2] == 0) {
        result.outcome = Outcome::NoFreeSlot;
    }
    WipeAll(requests, replies);
    return result;
}

Reply<> MouseCommands::EnrollSiteId(const SecretUsages<12>& id)
{
    return Enroll(kEnrollIdCode, id);
}

Reply<> MouseCommands::EnrollSitePassword(const SecretUsages<12>& password)
{
    return Enroll(kEnrollPasswordCode, password);
}

Reply<> MouseCommands::WriteSiteIdSlot(uint8_t row, const SecretUsages<12>& id)
{
    // Row 0 and rows past the table name no slot: writing there would hit
    // the function keys or the site entries.
    const auto address = IdSlotAddress(row);
    if (!address) {
        return NoSuchSlot();
    }
    return WriteTwelve(*address, static_cast<uint8_t>(*address + 6), id.bytes());
}

Reply<> MouseCommands::WriteSitePasswordSlot(uint8_t row, const SecretUsages<12>& password)
{
    const auto address = PasswordSlotAddress(row);
    if (!address) {
        return NoSuchSlot();
    }
    return WriteTwelve(*address, static_cast<uint8_t>(*address + 6), password.bytes());
}

Reply<> MouseCommands::ClearSlot(std::optional<uint8_t> address)
{
    if (!address) {
        return NoSuchSlot();
    }
    const std::array requests{CommandReport{{kRid, *address}},
                              CommandReport{{kRid, static_cast<uint8_t>(*address + 6)}},
                              CommandReport{{kRid, kFirstSiteEntry}}};
    std::array<ReplyBuffer, 3> replies;
    return Exchange<std::monostate, 3>(requests, replies);
}

Reply<> MouseCommands::ClearSiteIdSlot(uint8_t row)
{
    return ClearSlot(IdSlotAddress(row));
}

Reply<> MouseCommands::ClearSitePasswordSlot(uint8_t row)
{
    return ClearSlot(PasswordSlotAddress(row));
}

Reply<std::vector<uint8_t>> MouseCommands::SendRaw(std::span<const uint8_t> report)
{
    Reply<std::vector<uint8_t>> result;
    if (report.empty()) {
        result.outcome = Outcome::SendFailed;
        return result;
    }
    auto session = link_.CommandSession();
    if (!session.OpenDevice(report[0])) {
        result.outcome = session.busy() ? Outcome::Busy : Outcome::NoDevice;
        return result;
    }
    const auto sent = session.SendReport(report);
    for (const auto& earlier : sent.earlier) {
        if (IsStatusReport(earlier)) {
            result.statusReports.push_back(StatusFields::Decode(earlier));
        }
    }
    if (!sent.sent) {
        result.outcome = Outcome::SendFailed;
        return result;
    }
    result.outcome = Outcome::Done;
    ReplyBuffer reply{};
    const auto length = std::min<size_t>(session.capabilities().inputReportByteLength, reply.size());
    result.answered = session.ReadReport(std::span(reply).first(length)) == 1;
    if (result.answered) {
        result.value.assign(reply.begin(), reply.begin() + static_cast<std::ptrdiff_t>(length));
        if (IsStatusReport(result.value)) {
            result.statusReports.push_back(StatusFields::Decode(result.value));
        }
    }
    return result;
}

}  // namespace qmb
