// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

namespace qmb {

// The control box's controls; each widget carries its id as objectName.
enum ControlId : int {
    kResolutionLabel = 1006,
    kIntervalLabel = 1007,
    kProfileCombo = 1008,
    kSiteModeCheck = 1009,
    kAutoClickCheck = 1010,
    kResolutionSlider = 1011,
    kIntervalSlider = 1012,
    kConfigButton = 1017,
    kPasswordButton = 1062,
    kSequenceButton = 1063,
    kExitButton = 1069,
    kSiteCombo = 1088,
    kHelpButton = 1106,
    kButtonModeButton = 1109,
    kFunctionModeButton = 1110,
};

// Skin pictures.
enum SkinId : int {
    kSkinElevenSteps = 129,
    kSkinThreeSteps = 170,
    kSkinEditPressed = 131,
    kSkinEdit = 132,
    kSkinSequence = 135,
    kSkinSequencePressed = 138,
    kSkinPassword = 139,
    kSkinPasswordPressed = 140,
    kSkinClose = 147,
    kSkinNormalOff = 166,
    kSkinNormalOn = 167,
    kSkinFunctionOff = 168,
    kSkinFunctionOn = 169,
};

}  // namespace qmb
