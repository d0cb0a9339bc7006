// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/result_messages.h"

#include <array>

namespace qmb {

namespace {

// The dialogs' own words where a window says the same.
constexpr std::array<ResultMessage, 16> kMessages{{
    {ActionResult::Done, kExitOk, nullptr},
    // Told with what keeps the user from the mouse, when something does.
    {ActionResult::NoMouse, kExitNoMouse, nullptr},
    {ActionResult::Busy, kExitNoMouse, "busy: another program is talking to the mouse"},
    {ActionResult::NotTaken, kExitNoMouse, "the mouse did not take the report"},
    {ActionResult::NoAnswer, kExitNoMouse, "the mouse did not answer"},
    {ActionResult::WrongPassword, kExitRefused, "Not Match!"},
    {ActionResult::NoFreeSlot, kExitRefused,
     "no free slot: the mouse keeps 4 IDs and 5 passwords (ID 등록 초과, 패스워드 등록 초과)"},
    {ActionResult::SignInFirst, kExitRefused, "sign in first (qmbctl sign-in)"},
    {ActionResult::NoPasswordYet, kExitRefused, "the mouse has no password yet (qmbctl password set)"},
    {ActionResult::NotSupported, kExitRefused, "Not support ! (the mouse has no password and site functions)"},
    {ActionResult::EmptyInput, kExitUsage, "Input PWD."},
    {ActionResult::NotMatching, kExitUsage, "Not Match!"},
    {ActionResult::InvalidKeys, kExitUsage,
     "Invalid keys! (letters and digits, and * in a site ID; at most 12, a short password at most 6)"},
    {ActionResult::NoIdYet, kExitRefused, "the site has no ID yet: its password comes after it"},
    // The command says there was nothing to delete.
    {ActionResult::NothingToDelete, kExitOk, nullptr},
    {ActionResult::NotStored, kExitRefused, "the mouse did not take it: try again"},
}};

constexpr bool InTheOrderOfTheResults()
{
    for (size_t i = 0; i < kMessages.size(); ++i) {
        if (static_cast<size_t>(kMessages[i].result) != i) {
            return false;
        }
    }
    return kMessages.size() == static_cast<size_t>(ActionResult::NotStored) + 1;
}
static_assert(InTheOrderOfTheResults(), "one message for each result, in the results' order");

}  // namespace

const ResultMessage& MessageOf(ActionResult result)
{
    return kMessages[static_cast<size_t>(result)];
}

}  // namespace qmb
