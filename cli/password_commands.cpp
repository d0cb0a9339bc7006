// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QJsonObject>

#include <string>

#include "actions/password_actions.h"
#include "actions/secret_rules.h"
#include "cli/ctl_session.h"
#include "cli/json_text.h"

namespace qmb {

namespace {

const char* YesNo(int32_t flag)
{
    return flag ? "yes" : "no";
}

}  // namespace

int CtlSession::Password(const std::vector<std::string>& args)
{
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (rest == std::vector<std::string>{"status"} || rest == std::vector<std::string>{"status", "--json"}) {
        return PasswordStatus(rest.size() == 2);
    }
    if (rest == std::vector<std::string>{"set"}) {
        return SetPassword();
    }
    if (rest == std::vector<std::string>{"short", "set"} || rest == std::vector<std::string>{"short", "delete"}) {
        return SetShortPassword(rest[1] == "delete");
    }
    return Usage("password takes status, set, short set or short delete");
}

int CtlSession::PasswordStatus(bool json)
{
    if (const auto failed = Failed(ReadLockState(session_))) {
        return *failed;
    }
    const DeviceState& state = session_.state;
    if (json) {
        out_ << JsonLine(QJsonObject{{"mousePassword", state.mousePasswordEnrolled != 0},
                                     {"shortPassword", state.shortPasswordMode != 0},
                                     {"signedIn", state.siteModeOn != 0}});
        return kExitOk;
    }
    out_ << "mouse password:  " << (state.mousePasswordEnrolled ? "set" : "none") << "\n"
         << "short password:  " << (state.shortPasswordMode ? "set" : "none") << "\n"
         << "signed in:       " << YesNo(state.siteModeOn) << "\n";
    return kExitOk;
}

int CtlSession::SetPassword()
{
    // Both lines are taken before anything else, so that in a script they
    // can never be read as commands.
    SecretLine password;
    SecretLine again;
    if (!secrets_.Read("New mouse password: ", password) || !secrets_.Read("Again: ", again)) {
        return Usage("password set: the new password, twice, one per line");
    }
    if (password.tooLong() || again.tooLong()) {
        return Finish(ActionResult::InvalidKeys);
    }
    if (const auto failed = Failed(CheckNewPassword(password.text(), again.text()))) {
        return *failed;
    }
    if (const auto failed = Failed(ReadLockState(session_))) {
        return *failed;
    }
    if (const auto failed = Failed(SetMousePassword(session_, password.text(), again.text()))) {
        return *failed;
    }
    out_ << "mouse password saved\n";
    return kExitOk;
}

int CtlSession::SetShortPassword(bool remove)
{
    SecretLine shortPassword;
    if (!remove) {
        if (!secrets_.Read("New short password: ", shortPassword)) {
            return Usage("password short set: the short password on the next line");
        }
        if (shortPassword.tooLong()) {
            return Finish(ActionResult::InvalidKeys);
        }
        if (const auto failed = Failed(CheckSecret(SecretKind::ShortPassword, shortPassword.text()))) {
            return *failed;
        }
    }
    if (const auto failed = Failed(ReadLockState(session_))) {
        return *failed;
    }
    const ActionResult result =
        remove ? DeleteShortPassword(session_) : qmb::SetShortPassword(session_, shortPassword.text());
    if (const auto failed = Failed(result)) {
        return *failed;
    }
    out_ << (remove ? "short password deleted\n" : "short password saved\n");
    return kExitOk;
}

int CtlSession::SignIn(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        return Usage("sign-in takes no arguments: the password comes from the terminal or the next line");
    }
    // From a script or a pipe the line is taken at once, whatever the mouse
    // then says; at a terminal the prompt names the password it asks for.
    SecretLine typed;
    if (!secrets_.fromTerminal()) {
        if (!secrets_.Read({}, typed)) {
            return Usage("sign-in: the password on the next line");
        }
        // Refused before the mouse is asked anything.
        if (typed.tooLong()) {
            return Finish(ActionResult::InvalidKeys);
        }
        if (const auto failed = Failed(CheckSecret(SecretKind::MousePassword, typed.text()))) {
            return *failed;
        }
    }
    if (const auto failed = Failed(ReadLockState(session_))) {
        return *failed;
    }
    if (!session_.state.mousePasswordEnrolled) {
        return Finish(ActionResult::NoPasswordYet);
    }
    if (secrets_.fromTerminal() &&
        !secrets_.Read(SignInAsksShortPassword(session_.state) ? "Short password: " : "Mouse password: ", typed)) {
        return Usage("sign-in: no password typed");
    }
    const ActionResult result = qmb::SignIn(session_, typed.text());
    // Only now is it known which password the mouse asks for; what was
    // typed cannot be it, and the mouse has been asked already.
    if (result == ActionResult::InvalidKeys || result == ActionResult::EmptyInput) {
        Finish(result);
        return kExitRefused;
    }
    if (const auto failed = Failed(result)) {
        return *failed;
    }
    out_ << "Match Ok!\n";
    return kExitOk;
}

int CtlSession::SignOut(const std::vector<std::string>& args)
{
    if (args.size() != 1) {
        return Usage("sign-out takes no arguments");
    }
    if (const auto failed = Failed(qmb::SignOut(session_))) {
        return *failed;
    }
    out_ << "signed out\n";
    return kExitOk;
}

}  // namespace qmb
