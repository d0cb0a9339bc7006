// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "actions/site_actions.h"

#include <algorithm>
#include <array>

#include "actions/secret_rules.h"
#include "protocol/site_tables.h"

namespace qmb {

namespace {

constexpr size_t kSecretLength = 12;

uint8_t EntryAddress(int site)
{
    return static_cast<uint8_t>(SiteTable[static_cast<size_t>(site)].entryAddress);
}

uint8_t SlotRowOf(const DeviceState& state, SiteItem item)
{
    return item == SiteItem::Id ? state.siteIdSlot : state.sitePasswordSlot;
}

ActionResult ReadSignInState(DeviceSession& session)
{
    return ResultOf(session.keeper.Take(session.commands.QueryLockFlags()));
}

bool NamesSlot(SiteItem item, uint8_t row)
{
    return item == SiteItem::Id ? IdSlotAddress(row).has_value() : PasswordSlotAddress(row).has_value();
}

// The mouse refuses an enrolment with the same answer whatever the reason:
// no free slot, or a report of another program's between its halves that
// made it drop the first. Only the site entries tell which.
ActionResult NoFreeSlotOrRefusal(DeviceSession& session, SiteItem item)
{
    const size_t slots = item == SiteItem::Id ? IdSlotTable.size() - 1 : PasswordSlotTable.size() - 1;
    std::array<bool, PasswordSlotTable.size()> taken{};
    for (int site = 0; site < static_cast<int>(SiteTable.size()); ++site) {
        const auto entry = ReadSiteSlots(session, site);
        if (entry.result != ActionResult::Done) {
            return entry.result;
        }
        const uint8_t row = item == SiteItem::Id ? entry.value.idRow : entry.value.passwordRow;
        if (NamesSlot(item, row)) {
            taken[row] = true;
        }
    }
    const auto used = static_cast<size_t>(std::count(taken.begin(), taken.end(), true));
    return used == slots ? ActionResult::NoFreeSlot : ActionResult::NotStored;
}

Reply<> Store(DeviceSession& session, SiteItem item, const SecretUsages<kSecretLength>& usages)
{
    const uint8_t row = SlotRowOf(session.state, item);
    const bool rewrite = SiteHasSlot(session.state, item);
    MouseCommands& commands = session.commands;
    if (item == SiteItem::Id) {
        return rewrite ? commands.WriteSiteIdSlot(row, usages) : commands.EnrollSiteId(usages);
    }
    return rewrite ? commands.WriteSitePasswordSlot(row, usages) : commands.EnrollSitePassword(usages);
}

}  // namespace

bool SiteHasSlot(const DeviceState& state, SiteItem item)
{
    return NamesSlot(item, SlotRowOf(state, item));
}

ActionResult ChooseSiteInList(DeviceSession& session, int site)
{
    const ActionResult signInState = ReadSignInState(session);
    session.keeper.KeepChosenSite(static_cast<uint8_t>(site));
    if (!session.state.siteModeOn) {
        return signInState;
    }
    return SelectSite(session, site);
}

ActionResult PrepareSiteEnrolment(DeviceSession& session, std::optional<int> site)
{
    const ActionResult signInState = ReadSignInState(session);
    if (site) {
        session.keeper.KeepChosenSite(static_cast<uint8_t>(*site));
    }
    return signInState;
}

ActionResult SelectSite(DeviceSession& session, int site)
{
    session.keeper.KeepChosenSite(static_cast<uint8_t>(site));
    return ResultOf(session.keeper.Take(session.commands.SelectSite(EntryAddress(site))));
}

ActionResult ShowSite(DeviceSession& session, int site)
{
    session.keeper.KeepChosenSite(static_cast<uint8_t>(site));
    const auto entry = session.keeper.Take(session.commands.ReadSiteEntry(EntryAddress(site)));
    session.keeper.TakeSiteSlots(entry.value);
    return ResultOf(entry);
}

ActionResult LoadSiteSlots(DeviceSession& session)
{
    const DeviceState& state = session.state;
    // An assigned item's slot is read even on an incomplete site, so that
    // it is rewritten and deleted, never enrolled a second time.
    if (state.siteComplete || state.siteIdAssigned || state.sitePasswordAssigned) {
        return ShowSite(session, state.siteIndex);
    }
    session.keeper.TakeSiteSlots({});
    return ActionResult::Done;
}

ActionValue<SiteEntryRows> ReadSiteSlots(DeviceSession& session, int site)
{
    const auto entry = session.keeper.Take(session.commands.ReadSiteEntry(EntryAddress(site)));
    return {ResultOf(entry), entry.value};
}

ActionResult SaveSiteSecret(DeviceSession& session, SiteItem item, std::string_view text)
{
    const SecretKind kind = item == SiteItem::Id ? SecretKind::SiteId : SecretKind::SitePassword;
    const auto usages = SecretUsagesOf<kSecretLength>(kind, text);
    if (!usages) {
        return CheckSecret(kind, text);
    }
    if (!session.state.siteModeOn) {
        return ActionResult::SignInFirst;
    }
    const ActionResult selected = SelectSite(session, session.state.siteIndex);
    if (selected != ActionResult::Done) {
        return selected;
    }
    if (item == SiteItem::Password && !session.state.siteIdAssigned) {
        return ActionResult::NoIdYet;
    }
    const ActionResult stored = ResultOf(session.keeper.Take(Store(session, item, *usages)));
    return stored == ActionResult::NoFreeSlot ? NoFreeSlotOrRefusal(session, item) : stored;
}

ActionResult DeleteSiteSecret(DeviceSession& session, SiteItem item)
{
    if (!session.state.siteModeOn) {
        return ActionResult::SignInFirst;
    }
    const uint8_t row = SlotRowOf(session.state, item);
    return ResultOf(session.keeper.Take(item == SiteItem::Id ? session.commands.ClearSiteIdSlot(row)
                                                             : session.commands.ClearSitePasswordSlot(row)));
}

}  // namespace qmb
