// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/panel_actions.h"

#include <QCheckBox>
#include <QComboBox>

#include "app/control_box.h"
#include "app/panel_refresh.h"
#include "ui/controls/skin_bitmap_button.h"
#include "ui/controls/skin_slider.h"
#include "actions/status_actions.h"
#include "protocol/model_table.h"

namespace qmb {

PanelActions::PanelActions(ControlBox& box, PanelRefresh& panel, DeviceSession& session)
    : box_(box), panel_(panel), session_(session)
{
    connect(box_.profileCombo(), &QComboBox::activated, this, &PanelActions::OnProfileChosen);
    connect(box_.resolutionSlider(), &SkinSlider::scrolled, this, &PanelActions::OnSliderScrolled);
    connect(box_.intervalSlider(), &SkinSlider::scrolled, this, &PanelActions::OnSliderScrolled);
    connect(box_.autoClickCheck(), &QCheckBox::clicked, this, &PanelActions::OnAutoClickClicked);
}

void PanelActions::ApplyModeButton(Mode mode)
{
    panel_.ShowModeButtons(mode);
    if (mode == Mode::Button) {
        box_.autoClickCheck()->setEnabled(false);
        box_.button(kSequenceButton)->setEnabled(false);
        qmb::ApplyModeButton(session_, mode);
        box_.siteModeCheck()->setEnabled(false);
        return;
    }
    box_.autoClickCheck()->setEnabled(true);
    box_.button(kSequenceButton)->setEnabled(!box_.autoClickCheck()->isChecked());
    box_.siteModeCheck()->setEnabled(true);
    qmb::ApplyModeButton(session_, mode);
}

void PanelActions::OnProfileChosen(int entry)
{
    ChooseProfile(session_, entry);
    const auto& presets = FactsForModel(session_.modelNumber).presets;
    if (entry >= 0 && static_cast<size_t>(entry) < presets.size()) {
        panel_.ShowValueLabels(session_.state.resolution, session_.state.reportInterval);
    }
    box_.resolutionSlider()->setValue(session_.state.resolution);
    box_.intervalSlider()->setValue(session_.state.reportInterval);
}

void PanelActions::OnSliderScrolled()
{
    // Both positions, whichever slider moved. The state keeps them even
    // when the mouse does not take them: the panel shows the user's choice.
    ChangeStatus(session_, {.resolution = static_cast<uint8_t>(box_.resolutionSlider()->sliderPosition()),
                            .reportInterval = static_cast<uint8_t>(box_.intervalSlider()->sliderPosition())});
    panel_.UpdateSliderPanel();
}

void PanelActions::OnAutoClickClicked(bool checked)
{
    // The sequence cannot change while the mouse clicks by itself.
    box_.button(kSequenceButton)->setEnabled(!checked);
    ChangeStatus(session_, {.autoClickOn = checked});
}

}  // namespace qmb
