// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSize>

#include <array>

#include "ui/dialog_framework/control_places.h"

namespace qmb {

enum class ButtonEditKind { GroupBox, Label, List, Button };

// The button editing dialog's controls; each widget carries its id as
// objectName.
enum ButtonEditControl : int {
    kLeftList = 1025,
    kRightList = 1026,
    kWheelList = 1027,
    kButton4List = 1028,
    kButton5List = 1029,
    kSaveButtonsButton = 1030,
    kInputList = 1031,
    kInitialValueButton = 1032,
    kFunctionList = 1033,
    kSaveFunctionButton = 1034,
    kExitEditingButton = 1069,
    kButtonGroup = 1074,
    kFunctionGroup = 1075,
    kLeftLabel = 1076,
    kRightLabel = 1077,
    kWheelLabel = 1078,
    kButton4Label = 1079,
    kButton5Label = 1080,
    kSelectButtonLabel = 1081,
    kSelectFunctionLabel = 1082,
};

inline constexpr QSize kButtonEditUnits{351, 98};

// One layout for both languages. A list's height is its closed height;
// the template's taller figure is the height of its drop-down.
inline constexpr std::array<ControlPlace<ButtonEditKind>, 20> kButtonEditLayout{{
    {kButtonGroup, ButtonEditKind::GroupBox, {7, 7, 337, 42}, {7, 7, 337, 42}},
    {kLeftLabel, ButtonEditKind::Label, {16, 21, 48, 8}, {16, 21, 48, 8}},
    {kRightLabel, ButtonEditKind::Label, {69, 21, 48, 8}, {69, 21, 48, 8}},
    {kWheelLabel, ButtonEditKind::Label, {122, 21, 50, 8}, {122, 21, 50, 8}},
    {kButton4Label, ButtonEditKind::Label, {176, 21, 49, 8}, {176, 21, 49, 8}},
    {kButton5Label, ButtonEditKind::Label, {229, 21, 50, 8}, {229, 21, 50, 8}},
    {kLeftList, ButtonEditKind::List, {16, 32, 52, 12}, {16, 32, 52, 12}},
    {kRightList, ButtonEditKind::List, {69, 32, 52, 12}, {69, 32, 52, 12}},
    {kWheelList, ButtonEditKind::List, {122, 32, 52, 12}, {122, 32, 52, 12}},
    {kButton4List, ButtonEditKind::List, {176, 32, 52, 12}, {176, 32, 52, 12}},
    {kButton5List, ButtonEditKind::List, {229, 32, 52, 12}, {229, 32, 52, 12}},
    {kInitialValueButton, ButtonEditKind::Button, {285, 18, 50, 12}, {285, 18, 50, 12}},
    {kSaveButtonsButton, ButtonEditKind::Button, {285, 32, 50, 12}, {285, 32, 50, 12}},
    {kFunctionGroup, ButtonEditKind::GroupBox, {7, 52, 337, 29}, {7, 52, 337, 29}},
    {kSelectButtonLabel, ButtonEditKind::Label, {16, 65, 52, 8}, {16, 65, 52, 8}},
    {kInputList, ButtonEditKind::List, {69, 63, 70, 12}, {69, 63, 70, 12}},
    {kSelectFunctionLabel, ButtonEditKind::Label, {157, 65, 52, 8}, {157, 65, 52, 8}},
    {kFunctionList, ButtonEditKind::List, {211, 63, 70, 12}, {211, 63, 70, 12}},
    {kSaveFunctionButton, ButtonEditKind::Button, {285, 63, 50, 12}, {285, 63, 50, 12}},
    {kExitEditingButton, ButtonEditKind::Button, {285, 83, 50, 12}, {285, 83, 50, 12}},
}};

}  // namespace qmb
