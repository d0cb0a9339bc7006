#include <algorithm>
#include <cstdio>
#include <string>

#include "cli/argument_values.h"
#include "cli/ctl_session.h"
#include "settings/settings_keys.h"
#include "settings/site_titles.h"
#include "protocol/site_tables.h"
#include "protocol/usage_table.h"

namespace qmb {

namespace {

constexpr size_t kTitleCharacters = 12;

std::string JsonText(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
        }
        if (static_cast<unsigned char>(c) < 0x20) {
            static constexpr char kDigits[] = "0123456789abcdef";
            quoted += "\\u00";
            quoted += kDigits[(c >> 4) & 0xF];
            quoted += kDigits[c & 0xF];
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

size_t Utf8Characters(std::string_view text)
{
    size_t characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters;
}

uint8_t EntryAddress(int site)
{
    return static_cast<uint8_t>(SiteTable[static_cast<size_t>(site - 1)].entryAddress);
}

}  // namespace

std::optional<int> CtlSession::SiteNumber(const std::vector<std::string>& args, size_t at)
{
    const auto number = at < args.size() ? ParseInteger(args[at]) : std::nullopt;
    if (!number || *number < 1 || *number > static_cast<int>(SiteTable.size())) {
        return std::nullopt;
    }
    return number;
}

int CtlSession::Site(const std::vector<std::string>& args)
{
    const std::string what = args.size() > 1 ? args[1] : std::string();
    if (what == "list" && (args.size() == 2 || (args.size() == 3 && args[2] == "--json"))) {
        return ListSites(args.size() == 3);
    }
    const auto site = SiteNumber(args, 2);
    if (!site) {
        return Usage("site: list, or select, title, set-id, set-password, delete-id or delete-password with a site "
                     "number from 1 to 31");
    }
    if (what == "select" && args.size() == 3) {
        return SelectSite(*site);
    }
    if (what == "title" && args.size() >= 4) {
        std::string title = args[3];
        for (size_t i = 4; i < args.size(); ++i) {
            title += " " + args[i];
        }
        if (Utf8Characters(title) > kTitleCharacters) {
            return Usage("site title: at most 12 characters");
        }
        StoreSiteTitle(*site - 1, title);
        return kExitOk;
    }
    if ((what == "set-id" || what == "set-password") && args.size() == 3) {
        return SetSiteSecret(*site, what == "set-id");
    }
    if ((what == "delete-id" || what == "delete-password") && args.size() == 3) {
        return DeleteSiteSecret(*site, what == "delete-id");
    }
    return Usage("site: list, select N, title N TEXT, set-id N, set-password N, delete-id N, delete-password N");
}

int CtlSession::ListSites(bool json)
{
    const auto stored = LoadSiteTitles();
    const std::vector<std::string> titles = stored.value_or(std::vector<std::string>(SiteTable.size()));
    out_ << (json ? "[" : "");
    for (size_t i = 0; i < SiteTable.size(); ++i) {
        const auto entry = session_.keeper.Take(session_.commands.ReadSiteEntry(EntryAddress(static_cast<int>(i + 1))));
        if (const auto failed = Failure(entry)) {
            out_ << (json ? "]\n" : "");
            return *failed;
        }
        const std::string id = IdSlotNickname(entry.value.idRow);
        const std::string password = PasswordSlotNickname(entry.value.passwordRow);
        if (json) {
            out_ << (i ? "," : "") << "{\"site\":" << i + 1 << ",\"title\":" << JsonText(titles[i])
                 << ",\"id\":" << JsonText(id) << ",\"idSlot\":" << int(entry.value.idRow)
                 << ",\"password\":" << JsonText(password) << ",\"passwordSlot\":" << int(entry.value.passwordRow)
                 << "}";
        } else {
            out_ << (i + 1 < 10 ? " " : "") << i + 1 << "  " << titles[i] << std::string(kTitleCharacters + 2 - std::min(kTitleCharacters, Utf8Characters(titles[i])), ' ')
                 << "ID: " << id << ", password: " << password << "\n";
        }
    }
    out_ << (json ? "]\n" : "");
    return kExitOk;
}

int CtlSession::SelectSite(int site)
{
    const auto selection = session_.keeper.Take(session_.commands.SelectSite(EntryAddress(site)));
    if (const auto failed = Failure(selection)) {
        return *failed;
    }
    if (selection.value.complete) {
        out_ << "site " << site << ": complete\n";
    } else {
        out_ << "site " << site << ": incomplete (ID " << (selection.value.idAssigned ? "set" : "missing")
             << ", password " << (selection.value.passwordAssigned ? "set" : "missing") << ")\n";
    }
    return kExitOk;
}

int CtlSession::SetSiteSecret(int site, bool id)
{
    // The line is taken before anything else, so that in a script it can
    // never be read as a command.
    SecretLine typed;
    if (!secrets_.Read(id ? "Site ID: " : "Site password: ", typed)) {
        return Usage("site: the ID or password on the next line");
    }
    if (typed.text().empty()) {
        return Usage("Input PWD.");
    }
    const auto usages = typed.tooLong() ? std::nullopt
                                        : ToSecretUsages<12>(typed.text(), id ? kIdTableLength : kPasswordTableLength);
    if (!usages) {
        return Usage(id ? "Invalid keys! (at most 12 letters, digits and *)" : "Invalid keys! (at most 12 letters and digits)");
    }
    if (const auto failed = Failure(session_.keeper.Take(session_.commands.QueryLockFlags()))) {
        return *failed;
    }
    if (!session_.state.siteModeOn) {
        return Refused("sign in first (qmbctl sign-in)");
    }
    // The enrolment and slot commands work on the site selected last.
    if (const auto failed = Failure(session_.keeper.Take(session_.commands.SelectSite(EntryAddress(site))))) {
        return *failed;
    }
    const auto entry = session_.keeper.Take(session_.commands.ReadSiteEntry(EntryAddress(site)));
    if (const auto failed = Failure(entry)) {
        return *failed;
    }
    const uint8_t row = id ? entry.value.idRow : entry.value.passwordRow;
    if (!id && entry.value.idRow == 0) {
        return Refused("site " + std::to_string(site) + " has no ID yet: its password comes after it");
    }
    const bool enrolled = id ? IdSlotAddress(row).has_value() : PasswordSlotAddress(row).has_value();
    Reply<> stored;
    if (enrolled) {
        stored = id ? session_.commands.WriteSiteIdSlot(row, *usages) : session_.commands.WriteSitePasswordSlot(row, *usages);
    } else {
        stored = id ? session_.commands.EnrollSiteId(*usages) : session_.commands.EnrollSitePassword(*usages);
    }
    session_.keeper.Take(stored);
    if (stored.outcome == Outcome::NoFreeSlot) {
        return Refused(id ? "no free ID slot (ID 등록 초과)" : "no free password slot (패스워드 등록 초과)");
    }
    if (const auto failed = Failure(stored)) {
        return *failed;
    }
    out_ << "site " << site << ": " << (id ? "ID" : "password") << (enrolled ? " changed\n" : " saved\n");
    return kExitOk;
}

int CtlSession::DeleteSiteSecret(int site, bool id)
{
    if (const auto failed = Failure(session_.keeper.Take(session_.commands.QueryLockFlags()))) {
        return *failed;
    }
    if (!session_.state.siteModeOn) {
        return Refused("sign in first (qmbctl sign-in)");
    }
    const auto entry = session_.keeper.Take(session_.commands.ReadSiteEntry(EntryAddress(site)));
    if (const auto failed = Failure(entry)) {
        return *failed;
    }
    const uint8_t row = id ? entry.value.idRow : entry.value.passwordRow;
    const auto cleared = session_.keeper.Take(id ? session_.commands.ClearSiteIdSlot(row)
                                                 : session_.commands.ClearSitePasswordSlot(row));
    if (cleared.outcome == Outcome::NoSuchSlot) {
        out_ << "site " << site << ": no " << (id ? "ID" : "password") << " to delete\n";
        return kExitOk;
    }
    if (const auto failed = Failure(cleared)) {
        return *failed;
    }
    out_ << "site " << site << ": " << (id ? "ID" : "password") << " deleted\n";
    return kExitOk;
}

}  // namespace qmb
