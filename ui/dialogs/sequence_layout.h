// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSize>

#include <array>

#include "ui/dialog_framework/control_places.h"

namespace qmb {

enum class SequenceKind { GroupBox, Label, List, Choice, CheckBox, Button };

// The sequence dialog's controls; each widget carries its id as
// objectName.
enum SequenceControl : int {
    kTargetList = 1035,
    kRunCountList = 1036,
    kClickOnList = 1037,
    kClickOffList = 1038,
    kRunCycleList = 1039,
    kApplyButtonList = 1040,
    kContinueValueChoice = 1041,
    kToggleChoice = 1042,
    kContinueChoice = 1043,
    kUseRunCycleCheck = 1045,
    kApplySequenceButton = 1046,
    kOkSequenceButton = 1065,
    kCancelSequenceButton = 1066,
    kTargetLabel = 1076,
    kRunCountLabel = 1077,
    kClickOnLabel = 1078,
    kClickOffLabel = 1079,
    kRunCycleLabel = 1080,
    kApplyButtonLabel = 1081,
    kSequenceGroup = 1083,
};

inline constexpr QSize kSequenceUnits{343, 76};

// The Korean layout gives the three start/stop choices and the check box
// other widths. A list's height is its closed height.
inline constexpr std::array<ControlPlace<SequenceKind>, 20> kSequenceLayout{{
    {kSequenceGroup, SequenceKind::GroupBox, {3, 3, 337, 69}, {3, 3, 337, 69}},
    {kTargetLabel, SequenceKind::Label, {8, 15, 60, 9}, {8, 15, 60, 9}},
    {kRunCountLabel, SequenceKind::Label, {71, 15, 49, 9}, {71, 15, 49, 9}},
    {kClickOnLabel, SequenceKind::Label, {122, 15, 49, 9}, {122, 15, 49, 9}},
    {kClickOffLabel, SequenceKind::Label, {173, 15, 49, 9}, {173, 15, 49, 9}},
    {kRunCycleLabel, SequenceKind::Label, {223, 15, 49, 9}, {223, 15, 49, 9}},
    {kApplyButtonLabel, SequenceKind::Label, {275, 15, 60, 9}, {275, 15, 60, 9}},
    {kTargetList, SequenceKind::List, {8, 26, 60, 12}, {8, 26, 60, 12}},
    {kRunCountList, SequenceKind::List, {70, 26, 49, 12}, {70, 26, 49, 12}},
    {kClickOnList, SequenceKind::List, {122, 26, 49, 12}, {122, 26, 49, 12}},
    {kClickOffList, SequenceKind::List, {173, 26, 49, 12}, {173, 26, 49, 12}},
    {kRunCycleList, SequenceKind::List, {224, 26, 49, 12}, {224, 26, 49, 12}},
    {kApplyButtonList, SequenceKind::List, {275, 26, 60, 12}, {275, 26, 60, 12}},
    {kContinueValueChoice, SequenceKind::Choice, {8, 44, 50, 10}, {8, 44, 66, 10}},
    {kToggleChoice, SequenceKind::Choice, {68, 44, 70, 10}, {80, 44, 79, 10}},
    {kContinueChoice, SequenceKind::Choice, {140, 44, 50, 10}, {166, 44, 55, 10}},
    {kUseRunCycleCheck, SequenceKind::CheckBox, {8, 57, 74, 10}, {8, 57, 86, 10}},
    {kApplySequenceButton, SequenceKind::Button, {224, 55, 53, 14}, {224, 55, 53, 14}},
    {kOkSequenceButton, SequenceKind::Button, {167, 55, 50, 14}, {167, 55, 50, 14}},
    {kCancelSequenceButton, SequenceKind::Button, {285, 55, 50, 14}, {285, 55, 50, 14}},
}};

}  // namespace qmb
