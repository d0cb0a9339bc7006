// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSize>

#include <array>

#include "ui/dialog_framework/control_places.h"

namespace qmb {

enum class PasswordKind { GroupBox, Label, Field, Button };

// The password dialog's controls; each widget carries its id as
// objectName.
enum PasswordControl : int {
    kPasswordField = 1018,
    kVerificationField = 1019,
    kSavePasswordButton = 1020,
    kShortPasswordField = 1021,
    kShortPasswordButton = 1022,
    kExitPasswordButton = 1068,
    kSignOutButton = 1070,
    kPasswordGroup = 1071,
    kPasswordLabel = 1072,
    kVerificationLabel = 1073,
};

inline constexpr QSize kPasswordUnitsEnglish{183, 89};
// The Korean captions need wider buttons.
inline constexpr QSize kPasswordUnitsKorean{193, 87};

// The short password's field lies in the password's place, shown instead
// of it.
inline constexpr std::array<ControlPlace<PasswordKind>, 10> kPasswordLayout{{
    {kPasswordGroup, PasswordKind::GroupBox, {7, 3, 179, 80}, {7, 3, 169, 82}},
    {kPasswordLabel, PasswordKind::Label, {15, 21, 64, 8}, {15, 21, 64, 8}},
    {kPasswordField, PasswordKind::Field, {15, 31, 73, 12}, {15, 31, 73, 12}},
    {kShortPasswordField, PasswordKind::Field, {15, 32, 73, 12}, {15, 32, 73, 12}},
    {kVerificationLabel, PasswordKind::Label, {15, 52, 75, 8}, {15, 52, 75, 8}},
    {kVerificationField, PasswordKind::Field, {15, 62, 73, 12}, {15, 62, 73, 12}},
    {kSavePasswordButton, PasswordKind::Button, {97, 20, 82, 12}, {97, 20, 73, 12}},
    {kShortPasswordButton, PasswordKind::Button, {97, 34, 82, 12}, {97, 34, 73, 12}},
    {kSignOutButton, PasswordKind::Button, {97, 48, 82, 12}, {97, 48, 73, 12}},
    {kExitPasswordButton, PasswordKind::Button, {97, 62, 82, 12}, {97, 62, 73, 12}},
}};

}  // namespace qmb
