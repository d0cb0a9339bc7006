// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <string>

#include "actions/password_actions.h"
#include "actions/secret_rules.h"
#include "actions/site_actions.h"
#include "cli/argument_values.h"
#include "cli/ctl_session.h"
#include "cli/echoed_text.h"
#include "cli/json_text.h"
#include "protocol/site_tables.h"
#include "settings/site_titles.h"

namespace qmb {

namespace {

constexpr size_t kTitleCharacters = 12;

size_t Utf8Characters(std::string_view text)
{
    size_t characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters;
}

const char* ItemName(SiteItem item)
{
    return item == SiteItem::Id ? "ID" : "password";
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
        // A title is shown on terminals and in the control box: no control
        // character or broken UTF-8 may ride on it.
        if (!Printable(title)) {
            return Usage("site title: letters, digits, signs and spaces only");
        }
        if (Utf8Characters(title) > kTitleCharacters) {
            return Usage("site title: at most 12 characters");
        }
        StoreSiteTitle(*site - 1, title);
        return kExitOk;
    }
    if ((what == "set-id" || what == "set-password") && args.size() == 3) {
        return SetSiteSecret(*site, what == "set-id" ? SiteItem::Id : SiteItem::Password);
    }
    if ((what == "delete-id" || what == "delete-password") && args.size() == 3) {
        return DeleteSiteSecret(*site, what == "delete-id" ? SiteItem::Id : SiteItem::Password);
    }
    return Usage("site: list, select N, title N TEXT, set-id N, set-password N, delete-id N, delete-password N");
}

int CtlSession::ListSites(bool json)
{
    const auto stored = LoadSiteTitles();
    const std::vector<std::string> titles = stored.value_or(std::vector<std::string>(SiteTable.size()));
    QJsonArray sites;
    for (size_t i = 0; i < SiteTable.size(); ++i) {
        const auto entry = ReadSiteSlots(session_, static_cast<int>(i));
        if (const auto failed = Failed(entry.result)) {
            return *failed;
        }
        const std::string id = IdSlotNickname(entry.value.idRow);
        const std::string password = PasswordSlotNickname(entry.value.passwordRow);
        if (json) {
            sites.append(QJsonObject{{"site", static_cast<int>(i + 1)},
                                     {"title", QString::fromStdString(titles[i])},
                                     {"id", QString::fromStdString(id)},
                                     {"idSlot", entry.value.idRow},
                                     {"password", QString::fromStdString(password)},
                                     {"passwordSlot", entry.value.passwordRow}});
        } else {
            // A settings file edited by hand may hold anything.
            const std::string shown = Echoed(titles[i]);
            out_ << (i + 1 < 10 ? " " : "") << i + 1 << "  " << shown
                 << std::string(kTitleCharacters + 2 - std::min(kTitleCharacters, Utf8Characters(shown)), ' ')
                 << "ID: " << id << ", password: " << password << "\n";
        }
    }
    if (json) {
        out_ << JsonLine(sites);
    }
    return kExitOk;
}

int CtlSession::SelectSite(int site)
{
    if (const auto failed = Failed(qmb::SelectSite(session_, site - 1))) {
        return *failed;
    }
    const DeviceState& state = session_.state;
    if (state.siteComplete) {
        out_ << "site " << site << ": complete\n";
    } else {
        out_ << "site " << site << ": incomplete (ID " << (state.siteIdAssigned ? "set" : "missing") << ", password "
             << (state.sitePasswordAssigned ? "set" : "missing") << ")\n";
    }
    return kExitOk;
}

int CtlSession::SetSiteSecret(int site, SiteItem item)
{
    // The line is taken before anything else, so that in a script it can
    // never be read as a command.
    SecretLine typed;
    if (!secrets_.Read(item == SiteItem::Id ? "Site ID: " : "Site password: ", typed)) {
        return Usage("site: the ID or password on the next line");
    }
    const SecretKind kind = item == SiteItem::Id ? SecretKind::SiteId : SecretKind::SitePassword;
    if (const auto failed = Failed(typed.tooLong() ? ActionResult::InvalidKeys : CheckSecret(kind, typed.text()))) {
        return *failed;
    }
    if (const auto failed = Failed(ReadLockState(session_))) {
        return *failed;
    }
    if (const auto failed = Failed(ShowSite(session_, site - 1))) {
        return *failed;
    }
    const bool rewritten = SiteHasSlot(session_.state, item);
    if (const auto failed = Failed(SaveSiteSecret(session_, item, typed.text()))) {
        return *failed;
    }
    out_ << "site " << site << ": " << ItemName(item) << (rewritten ? " changed\n" : " saved\n");
    return kExitOk;
}

int CtlSession::DeleteSiteSecret(int site, SiteItem item)
{
    if (const auto failed = Failed(ReadLockState(session_))) {
        return *failed;
    }
    if (const auto failed = Failed(ShowSite(session_, site - 1))) {
        return *failed;
    }
    const ActionResult result = qmb::DeleteSiteSecret(session_, item);
    if (result == ActionResult::NothingToDelete) {
        out_ << "site " << site << ": no " << ItemName(item) << " to delete\n";
    } else if (const auto failed = Failed(result)) {
        return *failed;
    } else {
        out_ << "site " << site << ": " << ItemName(item) << " deleted\n";
    }
    return kExitOk;
}

}  // namespace qmb
