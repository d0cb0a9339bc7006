#include <string>

#include "cli/ctl_session.h"
#include "protocol/usage_table.h"

namespace qmb {

namespace {

constexpr size_t kPasswordLength = 12;
constexpr size_t kShortPasswordLength = 6;

// The line as usages by the password rule; the reason it is refused
// otherwise, in the dialogs' words.
template <size_t N>
std::optional<SecretUsages<N>> Usages(const SecretLine& line, std::string& refusal)
{
    if (line.text().empty()) {
        refusal = "Input PWD.";
        return std::nullopt;
    }
    auto usages = line.tooLong() ? std::nullopt : ToSecretUsages<N>(line.text(), kPasswordTableLength);
    if (!usages) {
        refusal = line.text().size() > N || line.tooLong()
                      ? "Invalid keys! (at most " + std::to_string(N) + " letters and digits)"
                      : "Invalid keys! (letters and digits only)";
    }
    return usages;
}

const char* YesNo(int32_t flag)
{
    return flag ? "yes" : "no";
}

const char* TrueFalse(int32_t flag)
{
    return flag ? "true" : "false";
}

}  // namespace

int CtlSession::Refused(const std::string& why)
{
    err_ << "qmbctl: " << why << "\n";
    return kExitRefused;
}

std::optional<int> CtlSession::ReadLockState()
{
    const auto enrolled = session_.keeper.Take(session_.commands.QueryPasswordEnrolled());
    if (const auto failed = Failure(enrolled)) {
        return failed;
    }
    // Asked even without a password: whether the mouse is signed in is in
    // the flags too.
    return Failure(session_.keeper.Take(session_.commands.QueryLockFlags()));
}

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
    if (const auto failed = ReadLockState()) {
        return *failed;
    }
    const DeviceState& state = session_.state;
    if (json) {
        out_ << "{\"mousePassword\":" << TrueFalse(state.mousePasswordEnrolled)
             << ",\"shortPassword\":" << TrueFalse(state.shortPasswordMode)
             << ",\"signedIn\":" << TrueFalse(state.siteModeOn) << "}\n";
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
    std::string refusal;
    if (password.text().empty() || again.text().empty()) {
        return Usage("Input PWD.");
    }
    if (password.text() != again.text()) {
        return Usage("Not Match!");
    }
    const auto usages = Usages<kPasswordLength>(password, refusal);
    if (!usages) {
        return Usage(refusal);
    }
    if (const auto failed = ReadLockState()) {
        return *failed;
    }
    // As in the windows: a first password by anyone, a new one only once
    // signed in with the old.
    if (session_.state.mousePasswordEnrolled && !session_.state.siteModeOn) {
        return Refused("the mouse has a password: sign in first (qmbctl sign-in)");
    }
    if (const auto failed = Failure(session_.keeper.Take(session_.commands.WriteMousePassword(*usages)))) {
        return *failed;
    }
    out_ << "mouse password saved\n";
    return kExitOk;
}

int CtlSession::SetShortPassword(bool remove)
{
    SecretLine shortPassword;
    std::optional<SecretUsages<kShortPasswordLength>> usages;
    if (!remove) {
        if (!secrets_.Read("New short password: ", shortPassword)) {
            return Usage("password short set: the short password on the next line");
        }
        std::string refusal;
        usages = Usages<kShortPasswordLength>(shortPassword, refusal);
        if (!usages) {
            return Usage(refusal);
        }
    }
    if (const auto failed = ReadLockState()) {
        return *failed;
    }
    if (!session_.state.mousePasswordEnrolled || !session_.state.siteModeOn) {
        return Refused("a short password needs a mouse password and a sign-in first");
    }
    const auto sent = remove ? session_.commands.ClearShortPassword() : session_.commands.WriteShortPassword(*usages);
    if (const auto failed = Failure(session_.keeper.Take(sent))) {
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
    std::string refusal;
    if (!secrets_.fromTerminal()) {
        if (!secrets_.Read({}, typed)) {
            return Usage("sign-in: the password on the next line");
        }
        // Refused before the mouse is asked anything.
        if (!Usages<kPasswordLength>(typed, refusal)) {
            return Usage(refusal);
        }
    }
    if (const auto failed = ReadLockState()) {
        return *failed;
    }
    const DeviceState& state = session_.state;
    if (!state.mousePasswordEnrolled) {
        return Refused("the mouse has no password yet (qmbctl password set)");
    }
    const bool asksShort = state.mousePasswordMode == 1;
    if (secrets_.fromTerminal() && !secrets_.Read(asksShort ? "Short password: " : "Mouse password: ", typed)) {
        return Usage("sign-in: no password typed");
    }
    Reply<StatusFields> reply;
    if (asksShort) {
        const auto usages = Usages<kShortPasswordLength>(typed, refusal);
        if (!usages) {
            return Usage(refusal);
        }
        reply = session_.keeper.Take(session_.commands.SignInShortPassword(*usages));
    } else {
        const auto usages = Usages<kPasswordLength>(typed, refusal);
        if (!usages) {
            return Usage(refusal);
        }
        reply = session_.keeper.Take(session_.commands.SignInMousePassword(*usages));
    }
    // A mouse that did not answer at all has not said no.
    if (reply.outcome == Outcome::Refused && reply.answered) {
        return Refused("Not Match!");
    }
    if (const auto failed = Failure(reply)) {
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
    if (const auto failed = Failure(session_.keeper.Take(session_.commands.SignOut()))) {
        return *failed;
    }
    out_ << "signed out\n";
    return kExitOk;
}

}  // namespace qmb
