// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary replies, of any length, to every command and decodes them,
// and traces them with masking on.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "device/device_link.h"
#include "device/report_trace.h"
#include "protocol/model_table.h"
#include "protocol/mouse_commands.h"
#include "protocol/secret_bytes.h"
#include "protocol/state_keeper.h"

namespace {

// A mouse whose answers are the fuzzer's bytes: each reply is one length
// byte followed by that many bytes.
class FuzzedMouse : public qmb::HidPlatform {
public:
    explicit FuzzedMouse(std::span<const uint8_t> data) : data_(data) {}

    qmb::BindResult Bind() override { return qmb::BindResult::Bound; }
    void Unbind() override {}
    bool BeginEnumeration() override { return true; }
    bool HasInterface(size_t index) override { return index < 2; }
    std::optional<qmb::HidInterfaceDetail> InterfaceDetail(size_t index) override
    {
        return qmb::HidInterfaceDetail{"fuzz", static_cast<int>(index)};
    }
    void EndEnumeration() override {}
    qmb::HidHandle Open(const qmb::HidInterfaceDetail& detail) override { return detail.collection + 1; }
    std::optional<qmb::HidAttributes> Attributes(qmb::HidHandle) override
    {
        return qmb::HidAttributes{0x0095, 0xC048, 0};
    }
    std::optional<qmb::HidCapabilities> Capabilities(qmb::HidHandle handle) override
    {
        // A claimed input length longer than any reply buffer.
        return qmb::HidCapabilities{64, 1, static_cast<uint8_t>(handle == 1 ? 4 : 8)};
    }
    bool SetOutputReport(qmb::HidHandle, std::span<const uint8_t>) override { return true; }
    qmb::ReadResult Read(qmb::HidHandle, std::span<uint8_t> buffer, std::chrono::milliseconds timeout, bool) override
    {
        if (timeout.count() == 0 || data_.empty()) {
            return {qmb::ReadStatus::TimedOut, 0};
        }
        const size_t length = std::min<size_t>(data_[0], data_.size() - 1);
        const auto reply = data_.subspan(1, length);
        data_ = data_.subspan(1 + length);
        const size_t copied = std::min(reply.size(), buffer.size());
        std::copy_n(reply.begin(), copied, buffer.begin());
        return {qmb::ReadStatus::Ok, copied};
    }
    void InterruptRead() override {}
    void Close(qmb::HidHandle) override {}

private:
    std::span<const uint8_t> data_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedMouse platform({data, size});
    qmb::DeviceLink link(platform, qmb::MouseIdentity(0));
    qmb::ReportTrace trace([](std::string_view) {}, qmb::kMouseSecrets);
    link.SetTrace(&trace);
    qmb::DeviceState state;
    qmb::StateKeeper keeper(state);
    qmb::MouseCommands commands(link, [](std::chrono::milliseconds) {});
    const qmb::SecretUsages<12> twelve;
    const qmb::SecretUsages<6> six;

    keeper.Take(commands.QueryStatus());
    keeper.Take(commands.ApplyModeButton(qmb::StatusOf(state)));
    keeper.Take(commands.QueryButtonMap());
    keeper.Take(commands.ReadFunctionKey(0x0B));
    keeper.Take(commands.QuerySequence());
    keeper.Take(commands.SignInMousePassword(twelve));
    keeper.Take(commands.SignInShortPassword(six));
    keeper.Take(commands.SignOut());
    keeper.Take(commands.QuerySupport());
    keeper.Take(commands.QueryPasswordEnrolled());
    keeper.Take(commands.QueryLockFlags());
    keeper.Take(commands.SelectSite(0xAD));
    const auto rows = keeper.Take(commands.ReadSiteEntry(0xAD)).value;
    keeper.Take(commands.EnrollSiteId(twelve));
    keeper.Take(commands.WriteSiteIdSlot(rows.idRow, twelve));
    keeper.Take(commands.ClearSitePasswordSlot(rows.passwordRow));
    keeper.Take(commands.SendRaw(std::array<uint8_t, 9>{8, 0xFF, 0x2F}));
    return 0;
}
