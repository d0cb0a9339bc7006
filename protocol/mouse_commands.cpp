#include "protocol/mouse_commands.h"

#include <array>
#include <thread>

#include "protocol/site_tables.h"
#include "protocol/status_update.h"
#include "protocol/wipe_secret.h"

namespace qmb {

namespace {

constexpr std::chrono::milliseconds kPauseBetweenReports{500};
constexpr int kMostStrayReports = 3;

constexpr uint8_t kRid = kMemoryReportId;
constexpr uint8_t kFunctionKeyLength = 3;
constexpr uint8_t kSequenceAddress = 0x29;
constexpr uint8_t kSequenceTag = 0x04;
constexpr uint8_t kPasswordFirstHalf = 0x2F;
constexpr uint8_t kPasswordSecondHalf = 0x35;
constexpr uint8_t kShortPasswordAddress = 0x3B;
constexpr uint8_t kFirstHalfCode = 0xF1;
constexpr uint8_t kSignInCode = 0xF2;
constexpr uint8_t kEnrollIdCode = 0xF3;
constexpr uint8_t kEnrollPasswordCode = 0xF4;
constexpr uint8_t kSupportCode = 0xF5;
constexpr uint8_t kSignOutCode = 0xF6;
constexpr uint8_t kEnrolmentQuery = 0xF9;
constexpr uint8_t kLockFlagsCode = 0xFA;
constexpr uint8_t kShortSignInCode = 0xFD;
constexpr uint8_t kSelectSiteCode = 0xFE;
constexpr uint8_t kSupported = 0xF0;
constexpr uint8_t kYes = 0xFF;
constexpr uint8_t kFirstSiteEntry = 0xAD;

void WipeAll(std::span<CommandReport> reports)
{
    for (auto& report : reports) {
        report.Wipe();
    }
}

}  // namespace

MouseCommands::MouseCommands(DeviceLink& link, DeviceState& state, Pause pause)
    : link_(link), state_(state), pause_(std::move(pause))
{
    link_.SetStatusReportHandler([this](std::span<const uint8_t> report) { TakeStatus(report); });
}

MouseCommands::~MouseCommands()
{
    link_.SetStatusReportHandler(nullptr);
}

MouseCommands::Pause MouseCommands::DefaultPause()
{
    return [](std::chrono::milliseconds duration) { std::this_thread::sleep_for(duration); };
}

void MouseCommands::SetStateListener(DeviceStateListener* listener)
{
    listener_ = listener;
}

int MouseCommands::Exchange(std::span<const CommandReport> requests, std::span<ReplyBuffer> replies,
                            StatusReplies statusReplies)
{
    for (auto& reply : replies) {
        reply.fill(0);
    }
    auto access = link_.CommandAccess();
    link_.currentReportId = requests.front().reportId();
    if (!link_.OpenDevice()) {
        return 0;
    }
    for (size_t i = 0; i < requests.size(); ++i) {
        if (i > 0) {
            pause_(kPauseBetweenReports);
        }
        if (!link_.SendReport(link_.deviceHandle, requests[i].bytes())) {
            link_.CloseDevice();
            return 0;
        }
        link_.ReadReport(link_.deviceHandle, replies[i]);
        // A StatusReport the mouse sent by itself can come just before the
        // reply of a command that no StatusReport answers. The reader has
        // taken it into the state; the reply is still to come.
        for (int stray = 0; statusReplies == StatusReplies::Stray && replies[i][1] == kStatusCode &&
                            stray < kMostStrayReports;
             ++stray) {
            replies[i].fill(0);
            link_.ReadReport(link_.deviceHandle, replies[i]);
        }
    }
    link_.CloseDevice();
    return 1;
}

void MouseCommands::TakeStatus(std::span<const uint8_t> report)
{
    TakeStatusReport(state_, report);
    if (listener_) {
        listener_->OnDeviceStateChanged();
    }
}

CommandReport MouseCommands::StatusWriteReport() const
{
    // The target is not masked: the mouse gets what the state holds.
    const auto flags = static_cast<uint8_t>(((state_.autoClickOn << 1 | state_.siteModeOn) << 6) | state_.autoClickTarget);
    return CommandReport{
        {kStatusReportId, kStatusCode, state_.mode, state_.resolution, state_.reportInterval, 0x00, flags}};
}

int MouseCommands::QueryStatus()
{
    const std::array request{CommandReport{{kStatusReportId, kReadMarker, kStatusCode}}};
    std::array<ReplyBuffer, 1> reply;
    if (!Exchange(request, reply, StatusReplies::Awaited)) {
        return 0;
    }
    TakeStatus(reply[0]);
    return 1;
}

int MouseCommands::WriteStatus()
{
    const std::array request{StatusWriteReport()};
    std::array<ReplyBuffer, 1> reply;
    return Exchange(request, reply, StatusReplies::Awaited);
}

void MouseCommands::ApplyModeButton()
{
    const std::array request{StatusWriteReport()};
    std::array<ReplyBuffer, 1> reply;
    if (Exchange(request, reply, StatusReplies::Awaited) && reply[0][1] == kStatusCode) {
        TakeStatus(reply[0]);
    }
}

int MouseCommands::QueryButtonMap()
{
    const std::array request{CommandReport{{kStatusReportId, kReadMarker, kButtonMapCode}}};
    std::array<ReplyBuffer, 1> reply;
    if (!Exchange(request, reply)) {
        return 0;
    }
    std::copy_n(reply[0].begin() + 2, state_.buttonMap.size(), state_.buttonMap.begin());
    return 1;
}

int MouseCommands::WriteButtonMap()
{
    const std::array request{CommandReport{{kStatusReportId, kButtonMapCode}, state_.buttonMap}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange(request, reply);
}

int MouseCommands::ReadFunctionKey(uint8_t address)
{
    const std::array request{CommandReport{{kRid, kReadMarker, address}}};
    std::array<ReplyBuffer, 1> reply;
    if (!Exchange(request, reply)) {
        return 0;
    }
    std::copy_n(reply[0].begin() + 2, kFunctionKeyLength, state_.functionKey.begin());
    return 1;
}

int MouseCommands::WriteFunctionKey(uint8_t address)
{
    const std::array request{CommandReport{{kRid, address}, state_.functionKey}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange(request, reply);
}

int MouseCommands::QuerySequence()
{
    const std::array request{CommandReport{{kRid, kReadMarker, kSequenceAddress}}};
    std::array<ReplyBuffer, 1> reply;
    if (!Exchange(request, reply)) {
        return 0;
    }
    const auto& r = reply[0];
    state_.runCount = r[3];
    state_.clickOnTime = r[4];
    state_.clickOffTime = r[5];
    state_.runCycle = r[6];
    state_.useRunCycle = r[7] >> 7;
    state_.sequenceMode = (r[7] >> 4) & 7;
    state_.applyButton = r[7] & 3;
    return 1;
}

int MouseCommands::WriteSequence()
{
    const auto packed = static_cast<uint8_t>(((state_.useRunCycle << 3 | state_.sequenceMode) << 4) | state_.applyButton);
    const std::array request{CommandReport{{kRid, kSequenceAddress, kSequenceTag, state_.runCount, state_.clickOnTime,
                                            state_.clickOffTime, state_.runCycle, packed}}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange(request, reply);
}

int MouseCommands::WriteTwelve(uint8_t firstCode, uint8_t secondCode, std::span<const uint8_t, 12> usages)
{
    std::array requests{CommandReport{{kRid, firstCode}, usages.first(6)},
                        CommandReport{{kRid, secondCode}, usages.last(6)}};
    std::array<ReplyBuffer, 2> replies;
    const int result = Exchange(requests, replies);
    WipeAll(requests);
    return result;
}

int MouseCommands::WriteMousePassword()
{
    return WriteTwelve(kPasswordFirstHalf, kPasswordSecondHalf, state_.passwordUsages);
}

int MouseCommands::WriteShortPassword()
{
    std::array request{CommandReport{{kRid, kShortPasswordAddress}, state_.shortPasswordUsages}};
    std::array<ReplyBuffer, 1> reply;
    const int result = Exchange(request, reply);
    WipeAll(request);
    return result;
}

int MouseCommands::ClearShortPassword()
{
    const std::array request{CommandReport{{kRid, kShortPasswordAddress}}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange(request, reply);
}

int MouseCommands::SignInMousePassword()
{
    const std::span<const uint8_t, 12> usages = state_.passwordUsages;
    std::array requests{CommandReport{{kRid, kFirstHalfCode}, usages.first(6)},
                        CommandReport{{kRid, kSignInCode}, usages.last(6)}};
    std::array<ReplyBuffer, 2> replies;
    const int sent = Exchange(requests, replies, StatusReplies::Awaited);
    WipeAll(requests);
    if (!sent || replies[1][1] != kStatusCode) {
        return 0;
    }
    TakeStatus(replies[1]);
    return 1;
}

int MouseCommands::SignInShortPassword()
{
    std::array request{CommandReport{{kRid, kShortSignInCode}, state_.shortPasswordUsages}};
    std::array<ReplyBuffer, 1> reply;
    const int sent = Exchange(request, reply, StatusReplies::Awaited);
    WipeAll(request);
    if (!sent || reply[0][1] != kStatusCode) {
        return 0;
    }
    TakeStatus(reply[0]);
    return 1;
}

int MouseCommands::SignOut()
{
    const std::array request{CommandReport{{kRid, kSignOutCode}}};
    std::array<ReplyBuffer, 1> reply;
    if (!Exchange(request, reply, StatusReplies::Awaited)) {
        return 0;
    }
    TakeStatus(reply[0]);
    return 1;
}

int MouseCommands::QuerySupport()
{
    const std::array request{CommandReport{{kRid, kSupportCode}}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange(request, reply) && reply[0][2] == kSupported ? 1 : 0;
}

int MouseCommands::QueryPasswordEnrolled()
{
    const std::array request{CommandReport{{kRid, kReadMarker, kEnrolmentQuery, kPasswordFirstHalf}}};
    std::array<ReplyBuffer, 1> reply;
    return Exchange(request, reply) && reply[0][2] == kYes ? 1 : 0;
}

int MouseCommands::QueryLockFlags()
{
    const std::array request{CommandReport{{kRid, kLockFlagsCode}}};
    std::array<ReplyBuffer, 1> reply;
    if (!Exchange(request, reply)) {
        return 0;
    }
    state_.mousePasswordMode = reply[0][2] == kYes;
    state_.shortPasswordMode = reply[0][3] == kYes;
    state_.siteModeOn = (reply[0][6] >> 6) & 1;
    return 1;
}

int MouseCommands::RefreshPasswordState()
{
    state_.mousePasswordEnrolled = QueryPasswordEnrolled();
    if (state_.mousePasswordEnrolled == 1) {
        QueryLockFlags();
    }
    return 1;
}

int MouseCommands::SelectSite(uint8_t address)
{
    state_.siteComplete = 0;
    const std::array request{CommandReport{{kRid, kSelectSiteCode, 0x01, address}}};
    std::array<ReplyBuffer, 1> reply;
    if (!Exchange(request, reply)) {
        return 0;
    }
    state_.siteIdAssigned = reply[0][2] != 0;
    state_.sitePasswordAssigned = reply[0][3] != 0;
    state_.siteComplete = reply[0][2] == kYes && reply[0][3] == kYes;
    return state_.siteComplete;
}

int MouseCommands::ReadSiteEntry(uint8_t address, SiteEntryRows& rows)
{
    const std::array request{CommandReport{{kRid, kReadMarker, address}}};
    std::array<ReplyBuffer, 1> reply;
    if (!Exchange(request, reply)) {
        return 0;
    }
    rows.idRow = IdSlotRowOf(reply[0][2]);
    rows.passwordRow = PasswordSlotRowOf(reply[0][3]);
    return 1;
}

int MouseCommands::Enroll(uint8_t secondCode, std::span<const uint8_t, 12> usages)
{
    std::array requests{CommandReport{{kRid, kFirstHalfCode}, usages.first(6)},
                        CommandReport{{kRid, secondCode}, usages.last(6)}};
    std::array<ReplyBuffer, 2> replies;
    const int sent = Exchange(requests, replies);
    WipeAll(requests);
    if (!sent) {
        return 0;
    }
    return replies[1][2] == 0 ? 2 : 1;
}

int MouseCommands::EnrollSiteId()
{
    return Enroll(kEnrollIdCode, state_.siteIdUsages);
}

int MouseCommands::EnrollSitePassword()
{
    return Enroll(kEnrollPasswordCode, state_.sitePasswordUsages);
}

int MouseCommands::WriteSiteIdSlot()
{
    // Row 0 and rows past the table name no slot: writing there would hit
    // the function keys or the site entries.
    const auto address = IdSlotAddress(state_.siteIdSlot);
    if (!address) {
        return 0;
    }
    return WriteTwelve(*address, static_cast<uint8_t>(*address + 6), state_.siteIdUsages);
}

int MouseCommands::WriteSitePasswordSlot()
{
    const auto address = PasswordSlotAddress(state_.sitePasswordSlot);
    if (!address) {
        return 0;
    }
    return WriteTwelve(*address, static_cast<uint8_t>(*address + 6), state_.sitePasswordUsages);
}

int MouseCommands::ClearSlot(uint8_t address)
{
    const std::array requests{CommandReport{{kRid, address}}, CommandReport{{kRid, static_cast<uint8_t>(address + 6)}},
                              CommandReport{{kRid, kFirstSiteEntry}}};
    std::array<ReplyBuffer, 3> replies;
    return Exchange(requests, replies);
}

int MouseCommands::ClearSiteIdSlot()
{
    const auto address = IdSlotAddress(state_.siteIdSlot);
    return address ? ClearSlot(*address) : 0;
}

int MouseCommands::ClearSitePasswordSlot()
{
    const auto address = PasswordSlotAddress(state_.sitePasswordSlot);
    return address ? ClearSlot(*address) : 0;
}

MouseCommands::RawResult MouseCommands::SendRaw(std::span<const uint8_t> report, std::span<uint8_t> reply)
{
    std::fill(reply.begin(), reply.end(), 0);
    if (report.empty()) {
        return RawResult::SendFailed;
    }
    auto access = link_.CommandAccess();
    link_.currentReportId = report[0];
    if (!link_.OpenDevice()) {
        return RawResult::NoDevice;
    }
    if (!link_.SendReport(link_.deviceHandle, report)) {
        link_.CloseDevice();
        return RawResult::SendFailed;
    }
    const int replied = link_.ReadReport(link_.deviceHandle, reply);
    link_.CloseDevice();
    return replied ? RawResult::Replied : RawResult::NoReply;
}

}  // namespace qmb
