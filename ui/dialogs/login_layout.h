// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSize>

#include <array>

#include "ui/dialog_framework/control_places.h"

namespace qmb {

enum class LoginKind { GroupBox, Field, Button };

// The sign-in dialog's controls; each widget carries its id as objectName.
enum LoginControl : int {
    kSignInPasswordField = 1018,
    kSignInShortField = 1019,
    kSignInOkButton = 1065,
    kSignInExitButton = 1066,
    kSignInGroup = 1071,
};

inline constexpr QSize kLoginUnitsEnglish{115, 59};
inline constexpr QSize kLoginUnitsKorean{115, 62};

// One of the two fields shows, in the same place: the mouse password, or
// the short password when the mouse asks for it.
inline constexpr std::array<ControlPlace<LoginKind>, 5> kLoginLayout{{
    {kSignInGroup, LoginKind::GroupBox, {7, 7, 101, 46}, {7, 7, 101, 46}},
    {kSignInPasswordField, LoginKind::Field, {16, 21, 82, 12}, {16, 21, 82, 12}},
    {kSignInShortField, LoginKind::Field, {16, 21, 82, 12}, {16, 21, 82, 12}},
    {kSignInOkButton, LoginKind::Button, {16, 37, 39, 12}, {16, 37, 39, 12}},
    {kSignInExitButton, LoginKind::Button, {59, 37, 39, 12}, {59, 37, 39, 12}},
}};

}  // namespace qmb
