// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "device/device_link.h"
#include "protocol/command_reply.h"
#include "protocol/reports.h"
#include "protocol/secret_usages.h"

namespace qmb {

// Every command the program sends to the mouse. Each one takes what it
// sends as arguments and returns what it read: it takes the device, opens
// the collection of its report id, sends its reports in order with the
// mouse's 500 ms pause between them, reads one reply per report and closes
// the device. It keeps no state; what the program knows of the mouse is
// its caller's (see StateKeeper).
class MouseCommands {
public:
    using Pause = std::function<void(std::chrono::milliseconds)>;

    explicit MouseCommands(DeviceLink& link, Pause pause = DefaultPause());

    static Pause DefaultPause();

    // The status bytes 2..6 of whatever came back, all zero when nothing
    // did.
    Reply<StatusFields> QueryStatus();
    Reply<> WriteStatus(const StatusFields& status);
    // The status write of a mode button: the reply is read as the mouse's
    // state when it is a StatusReport.
    Reply<std::optional<StatusFields>> ApplyModeButton(const StatusFields& status);

    Reply<ButtonMap> QueryButtonMap();
    Reply<> WriteButtonMap(const ButtonMap& map);
    Reply<FunctionKey> ReadFunctionKey(uint8_t address);
    Reply<> WriteFunctionKey(uint8_t address, const FunctionKey& key);

    Reply<SequenceRecord> QuerySequence();
    Reply<> WriteSequence(const SequenceRecord& record);

    Reply<> WriteMousePassword(const SecretUsages<12>& password);
    Reply<> WriteShortPassword(const SecretUsages<6>& password);
    Reply<> ClearShortPassword();
    // Done with the accepting StatusReport, or Refused.
    Reply<StatusFields> SignInMousePassword(const SecretUsages<12>& password);
    Reply<StatusFields> SignInShortPassword(const SecretUsages<6>& password);
    // The state the mouse answers with, read without looking at byte 1.
    Reply<StatusFields> SignOut();
    Reply<SupportAnswer> QuerySupport();
    Reply<PasswordEnrolment> QueryPasswordEnrolled();
    Reply<LockFlags> QueryLockFlags();

    // The site whose entry sits at `address` becomes the one the
    // enrolment and slot commands apply to.
    Reply<SiteSelection> SelectSite(uint8_t address);
    Reply<SiteEntryRows> ReadSiteEntry(uint8_t address);
    Reply<> EnrollSiteId(const SecretUsages<12>& id);
    Reply<> EnrollSitePassword(const SecretUsages<12>& password);
    // Slot rows as the slot tables number them; a row that names no slot
    // is refused before anything is sent.
    Reply<> WriteSiteIdSlot(uint8_t row, const SecretUsages<12>& id);
    Reply<> WriteSitePasswordSlot(uint8_t row, const SecretUsages<12>& password);
    Reply<> ClearSiteIdSlot(uint8_t row);
    Reply<> ClearSitePasswordSlot(uint8_t row);

    // One report as given and its reply, for tools that speak to the mouse
    // directly.
    Reply<std::vector<uint8_t>> SendRaw(std::span<const uint8_t> report);

private:
    // Whether a StatusReport read in a reply's place can be one the mouse
    // sent by itself. Only on collection 4, where the mouse reports its
    // state, and only for a command no StatusReport answers.
    enum class StrayStatus { Impossible, Possible };

    template <typename T, size_t Count>
    Reply<T> Exchange(std::span<const CommandReport, Count> requests, std::array<ReplyBuffer, Count>& replies,
                      StrayStatus stray = StrayStatus::Impossible);
    Reply<> WriteTwelve(uint8_t firstCode, uint8_t secondCode, std::span<const uint8_t, 12> usages);
    Reply<> Enroll(uint8_t secondCode, const SecretUsages<12>& usages);
    Reply<> ClearSlot(std::optional<uint8_t> address);

    DeviceLink& link_;
    Pause pause_;
};

}  // namespace qmb
