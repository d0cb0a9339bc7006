// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

#include "protocol/device_session.h"
#include "protocol/device_state.h"

namespace qmb {

class ControlBox;
class PanelRefresh;

// What the control box's own controls do to the mouse: the two mode
// buttons, the sliders, the profile list and the auto-click box. A command that cannot reach the mouse changes nothing
// on it and shows nothing; the panel keeps the user's choice.
class PanelActions : public QObject {
    Q_OBJECT
public:
    PanelActions(ControlBox& box, PanelRefresh& panel, DeviceSession& session);

    void ApplyModeButton(Mode mode);
    void OnProfileChosen(int entry);
    void OnSliderScrolled();
    void OnAutoClickClicked(bool checked);

private:
    ControlBox& box_;
    PanelRefresh& panel_;
    DeviceSession& session_;
};

}  // namespace qmb
