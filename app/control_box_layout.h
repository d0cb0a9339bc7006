// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>

#include "app/control_ids.h"
#include "ui/dialog_framework/control_places.h"

namespace qmb {

enum class ControlKind { Label, Combo, CheckBox, Slider, SkinButton, InvisibleButton };

// The English layout moves five controls to make room for longer words.
// The "Edit" button is narrower there than in the original, which let it
// cover the help mark.
inline constexpr std::array<ControlPlace<ControlKind>, 15> kControlBoxLayout{{
    {kResolutionLabel, ControlKind::Label, {151, 24, 28, 8}, {151, 24, 28, 8}},
    {kIntervalLabel, ControlKind::Label, {151, 40, 28, 8}, {151, 40, 28, 8}},
    {kProfileCombo, ControlKind::Combo, {184, 37, 38, 12}, {184, 37, 38, 12}},
    {kSiteModeCheck, ControlKind::CheckBox, {116, 8, 9, 8}, {126, 8, 9, 8}},
    {kResolutionSlider, ControlKind::Slider, {34, 24, 110, 10}, {34, 24, 110, 10}},
    {kIntervalSlider, ControlKind::Slider, {34, 41, 110, 10}, {34, 41, 110, 10}},
    {kAutoClickCheck, ControlKind::CheckBox, {71, 8, 9, 8}, {80, 8, 9, 8}},
    {kConfigButton, ControlKind::SkinButton, {165, 6, 32, 11}, {175, 6, 23, 11}},
    {kPasswordButton, ControlKind::SkinButton, {126, 6, 31, 11}, {136, 6, 31, 11}},
    {kSequenceButton, ControlKind::SkinButton, {81, 6, 32, 11}, {89, 6, 32, 11}},
    {kExitButton, ControlKind::SkinButton, {211, 6, 11, 11}, {211, 6, 11, 11}},
    {kSiteCombo, ControlKind::Combo, {184, 21, 38, 12}, {184, 21, 38, 12}},
    {kHelpButton, ControlKind::InvisibleButton, {199, 6, 11, 11}, {199, 6, 11, 11}},
    {kButtonModeButton, ControlKind::SkinButton, {7, 6, 21, 12}, {7, 6, 21, 12}},
    {kFunctionModeButton, ControlKind::SkinButton, {34, 6, 23, 12}, {34, 6, 23, 12}},
}};

}  // namespace qmb
