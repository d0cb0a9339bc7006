// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "actions/password_actions.h"

#include "actions/secret_rules.h"

namespace qmb {

namespace {

constexpr size_t kPasswordLength = 12;
constexpr size_t kShortPasswordLength = 6;

bool SignedIn(const DeviceState& state)
{
    return state.siteModeOn != 0;
}

// A secret the mouse is not asked for: what is wrong with it, if anything,
// comes first.
ActionResult Refuse(SecretKind kind, std::string_view text, ActionResult refusal)
{
    const ActionResult checked = CheckSecret(kind, text);
    return checked != ActionResult::Done ? checked : refusal;
}

// Sends a secret that passed its checks as the usages `send` takes; the
// check's verdict when it did not.
template <size_t N, typename Send>
ActionResult SendSecret(DeviceSession& session, SecretKind kind, std::string_view text, Send send)
{
    const auto usages = SecretUsagesOf<N>(kind, text);
    if (!usages) {
        return CheckSecret(kind, text);
    }
    return ResultOf(session.keeper.Take(send(*usages)));
}

}  // namespace

ActionResult ReadLockState(DeviceSession& session)
{
    const ActionResult enrolled = ResultOf(session.keeper.Take(session.commands.QueryPasswordEnrolled()));
    if (enrolled != ActionResult::Done || !session.state.mousePasswordEnrolled) {
        return enrolled;
    }
    return ResultOf(session.keeper.Take(session.commands.QueryLockFlags()));
}

ActionResult CheckSiteFunctions(DeviceSession& session)
{
    if (!session.keeper.Take(session.commands.QuerySupport()).value.supported) {
        return ActionResult::NotSupported;
    }
    return ReadLockState(session);
}

bool SignInAsksShortPassword(const DeviceState& state)
{
    return state.mousePasswordMode == 1;
}

ActionResult SetMousePassword(DeviceSession& session, std::string_view password, std::string_view again)
{
    if (const ActionResult checked = CheckNewPassword(password, again); checked != ActionResult::Done) {
        return checked;
    }
    const bool replacing = session.state.mousePasswordEnrolled != 0;
    if (replacing && !SignedIn(session.state)) {
        return ActionResult::SignInFirst;
    }
    const auto usages = SecretUsagesOf<kPasswordLength>(SecretKind::MousePassword, password);
    if (!usages) {
        return CheckSecret(SecretKind::MousePassword, password);
    }
    const ActionResult written = ResultOf(session.keeper.Take(session.commands.WriteMousePassword(*usages)));
    if (written != ActionResult::Done) {
        return written;
    }
    // The mouse answers both halves whether or not it kept them: a report
    // between them makes it drop the first half and refuse the second. Only
    // asking tells. A first password is there or not; a new one is the one
    // the mouse now takes for a sign-in, which keeps the session open.
    if (!replacing) {
        const auto enrolled = session.keeper.Take(session.commands.QueryPasswordEnrolled());
        const ActionResult asked = ResultOf(enrolled);
        return asked == ActionResult::Done && !enrolled.value.enrolled ? ActionResult::NotStored : asked;
    }
    const ActionResult signedIn = ResultOf(session.keeper.Take(session.commands.SignInMousePassword(*usages)));
    return signedIn == ActionResult::WrongPassword ? ActionResult::NotStored : signedIn;
}

ActionResult SetShortPassword(DeviceSession& session, std::string_view shortPassword)
{
    if (!SignedIn(session.state)) {
        return Refuse(SecretKind::ShortPassword, shortPassword, ActionResult::SignInFirst);
    }
    return SendSecret<kShortPasswordLength>(
        session, SecretKind::ShortPassword, shortPassword,
        [&](const auto& usages) { return session.commands.WriteShortPassword(usages); });
}

ActionResult DeleteShortPassword(DeviceSession& session)
{
    if (!SignedIn(session.state)) {
        return ActionResult::SignInFirst;
    }
    return ResultOf(session.keeper.Take(session.commands.ClearShortPassword()));
}

ActionResult SignIn(DeviceSession& session, std::string_view password)
{
    if (!session.state.mousePasswordEnrolled) {
        return Refuse(SecretKind::MousePassword, password, ActionResult::NoPasswordYet);
    }
    if (SignInAsksShortPassword(session.state)) {
        return SendSecret<kShortPasswordLength>(
            session, SecretKind::ShortPassword, password,
            [&](const auto& usages) { return session.commands.SignInShortPassword(usages); });
    }
    return SendSecret<kPasswordLength>(session, SecretKind::MousePassword, password,
                                       [&](const auto& usages) { return session.commands.SignInMousePassword(usages); });
}

ActionResult SignOut(DeviceSession& session)
{
    return ResultOf(session.keeper.Take(session.commands.SignOut()));
}

}  // namespace qmb
