// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "protocol/device_state.h"
#include "protocol/reports.h"
#include "protocol/state_keeper.h"

namespace qmb {

class ControlBox;

// Brings the control box in line with the DeviceState. A StatusReport
// that repeats what is shown changes no control: the refresh compares the
// state with what the panel last showed, field by field.
class PanelRefresh : public DeviceStateListener {
public:
    PanelRefresh(ControlBox& box, const DeviceState& state, int modelNumber);

    // The state changed (a StatusReport was taken in).
    void OnDeviceStateChanged() override;

    void UpdateSliderPanel();
    // The two value labels; a value without a label leaves its label alone.
    void ShowValueLabels(uint8_t resolution, uint8_t reportInterval);
    void ShowModeButtons(Mode mode);
    // What the mode buttons and check boxes look like in the state's mode;
    // any other mode leaves them as they are.
    void ShowModeControls();
    void ShowAutoClick();
    void LoadSiteTitles();
    // After the mouse is found: mode, sliders, auto-click and titles, all
    // shown again whatever was shown before.
    void ShowDetected();
    // After a change of sign-in state.
    void RefreshPanel();

private:
    void ShowSiteMode();

    ControlBox& box_;
    const DeviceState& state_;
    int modelNumber_;
    // The StatusReport fields as the panel last showed them.
    StatusFields shownState_;
};

}  // namespace qmb
