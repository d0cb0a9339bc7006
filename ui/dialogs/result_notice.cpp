// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialogs/result_notice.h"

#include <QCoreApplication>

#include "ui/notice/notice_popup.h"

namespace qmb {

namespace {

QString Text(const char* text)
{
    return QCoreApplication::translate("ResultNotice", text);
}

}  // namespace

void ShowResultNotice(ActionResult result)
{
    switch (result) {
    case ActionResult::Done:
    case ActionResult::NothingToDelete:
        return;
    case ActionResult::NoMouse:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "No mouse found.")));
        return;
    case ActionResult::Busy:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "Another program is talking to the mouse.")));
        return;
    case ActionResult::NotTaken:
    case ActionResult::NoAnswer:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "The mouse did not answer.")));
        return;
    case ActionResult::WrongPassword:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "Not Match!")));
        return;
    case ActionResult::SignInFirst:
    case ActionResult::NoPasswordYet:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "Sign in first.")));
        return;
    case ActionResult::NoIdYet:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "Save the ID first.")));
        return;
    case ActionResult::NotSupported:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "Not support !")));
        return;
    case ActionResult::EmptyInput:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "Input PWD.")));
        return;
    case ActionResult::NotMatching:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "Not Match!")));
        return;
    case ActionResult::InvalidKeys:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "Invalid keys!")));
        return;
    case ActionResult::NoFreeSlot:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "The mouse has no free slot.")));
        return;
    case ActionResult::NotStored:
        ShowFailureNotice(Text(QT_TRANSLATE_NOOP("ResultNotice", "The mouse did not take it. Try again.")));
        return;
    }
}

}  // namespace qmb
