// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSize>

#include <array>

#include "ui/dialog_framework/control_places.h"

namespace qmb {

enum class SiteKind { GroupBox, Label, TitleList, SlotName, Field, SecretField, Button };

// The site dialog's controls; each widget carries its id as objectName.
// The template gives its five labels no ids: they take theirs from 5001.
enum SiteControl : int {
    kDeletePasswordButton = 1023,
    kExitSiteButton = 1069,
    kSiteGroup = 1089,
    kTitleList = 1090,
    kSaveIdButton = 1098,
    kDeleteIdButton = 1099,
    kSaveSitePasswordButton = 1100,
    kIdField = 1103,
    kSitePasswordField = 1104,
    kIdSlotName = 1105,
    kPasswordSlotName = 1106,
    kTitleLabel = 5001,
    kBeforeIdLabel = 5002,
    kIdLabel = 5003,
    kBeforePasswordLabel = 5004,
    kSitePasswordLabel = 5005,
};

inline constexpr QSize kSiteUnits{243, 117};

inline constexpr std::array<ControlPlace<SiteKind>, 16> kSiteLayout{{
    {kSiteGroup, SiteKind::GroupBox, {7, 7, 229, 94}, {7, 7, 229, 94}},
    {kTitleLabel, SiteKind::Label, {26, 23, 34, 8}, {42, 23, 18, 8}},
    {kTitleList, SiteKind::TitleList, {65, 20, 77, 12}, {65, 20, 77, 12}},
    {kBeforeIdLabel, SiteKind::Label, {10, 40, 50, 8}, {26, 40, 34, 8}},
    {kIdSlotName, SiteKind::SlotName, {65, 38, 77, 12}, {65, 38, 77, 12}},
    {kSaveIdButton, SiteKind::Button, {147, 38, 84, 12}, {147, 38, 84, 12}},
    {kIdLabel, SiteKind::Label, {42, 53, 18, 8}, {49, 53, 11, 8}},
    {kIdField, SiteKind::Field, {65, 51, 77, 12}, {65, 51, 77, 12}},
    {kDeleteIdButton, SiteKind::Button, {147, 51, 84, 12}, {147, 51, 84, 12}},
    {kBeforePasswordLabel, SiteKind::Label, {10, 71, 50, 8}, {17, 71, 43, 8}},
    {kPasswordSlotName, SiteKind::SlotName, {65, 69, 77, 12}, {65, 69, 77, 12}},
    {kSaveSitePasswordButton, SiteKind::Button, {147, 69, 84, 12}, {147, 69, 84, 12}},
    {kSitePasswordLabel, SiteKind::Label, {26, 85, 34, 8}, {40, 85, 20, 8}},
    {kSitePasswordField, SiteKind::SecretField, {65, 82, 77, 12}, {65, 82, 77, 12}},
    {kDeletePasswordButton, SiteKind::Button, {147, 82, 84, 12}, {147, 82, 84, 12}},
    {kExitSiteButton, SiteKind::Button, {192, 102, 38, 12}, {192, 102, 38, 12}},
}};

}  // namespace qmb
