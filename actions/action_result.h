// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "protocol/command_reply.h"

namespace qmb {

// How a user action went: the one error language of the windows and
// qmbctl. Input faults are found before anything is sent.
enum class ActionResult {
    Done,
    NoMouse,             // the mouse could not be opened; nothing was sent
    Busy,                // another program kept talking to the mouse; nothing was sent
    NotTaken,            // a report could not be sent
    NoAnswer,            // the mouse did not answer a report
    WrongPassword,       // the mouse turned the sign-in down
    NoFreeSlot,          // every slot of that kind is taken
    SignInFirst,         // the mouse keeps this for a signed-in owner
    NoPasswordYet,       // a sign-in on a mouse without a password
    NotSupported,        // the mouse has no password and site functions
    EmptyInput,          // a secret was left empty
    NotMatching,         // the new password and its repetition differ
    InvalidKeys,         // a character the mouse cannot type, or too many
    NoIdYet,             // a site's password before its ID
    NothingToDelete,     // the site has no slot of that kind
    NotStored,           // the mouse answered, but does not have what was written
};

// A user action that reads something beyond the state.
template <typename T>
struct ActionValue {
    ActionResult result = ActionResult::NoMouse;
    T value{};
};

// The mouse was there to take the reports, whether or not it answered, or
// another program was talking to it.
inline bool MouseReached(ActionResult result)
{
    return result != ActionResult::NoMouse && result != ActionResult::NotTaken;
}

// What two steps of one action came to: the first that went wrong.
inline ActionResult FirstFailure(ActionResult first, ActionResult second)
{
    return first != ActionResult::Done ? first : second;
}

// How a command's outcome reads as the outcome of a user action: a
// command that went through but whose reply never came did not go well.
template <typename T>
ActionResult ResultOf(const Reply<T>& reply)
{
    switch (reply.outcome) {
    case Outcome::Done:
        return reply.answered ? ActionResult::Done : ActionResult::NoAnswer;
    case Outcome::NoDevice:
        return ActionResult::NoMouse;
    case Outcome::Busy:
        return ActionResult::Busy;
    case Outcome::SendFailed:
        return ActionResult::NotTaken;
    case Outcome::Refused:
        return reply.answered ? ActionResult::WrongPassword : ActionResult::NoAnswer;
    case Outcome::NoFreeSlot:
        return ActionResult::NoFreeSlot;
    case Outcome::NoSuchSlot:
        return ActionResult::NothingToDelete;
    }
    return ActionResult::NotTaken;
}

}  // namespace qmb
