#include "app/panel_actions.h"

#include <QCheckBox>
#include <QComboBox>

#include "app/control_box.h"
#include "app/panel_refresh.h"
#include "controls/skin_bitmap_button.h"
#include "controls/skin_slider.h"
#include "protocol/model_table.h"

namespace qmb {

PanelActions::PanelActions(ControlBox& box, PanelRefresh& panel, DeviceSession& session)
    : box_(box), panel_(panel), session_(session)
{
    connect(box_.profileCombo(), &QComboBox::activated, this, &PanelActions::OnProfileChosen);
    connect(box_.resolutionSlider(), &SkinSlider::scrolled, this, &PanelActions::OnSliderScrolled);
    connect(box_.intervalSlider(), &SkinSlider::scrolled, this, &PanelActions::OnSliderScrolled);
    connect(box_.autoClickCheck(), &QCheckBox::clicked, this, &PanelActions::OnAutoClickClicked);
    connect(box_.siteModeCheck(), &QCheckBox::clicked, this, &PanelActions::OnSiteModeClicked);
}

void PanelActions::ApplyModeButton(Mode mode)
{
    panel_.ShowModeButtons(mode);
    if (mode == Mode::Button) {
        box_.autoClickCheck()->setEnabled(false);
        box_.button(kSequenceButton)->setEnabled(false);
        session_.commands.ApplyModeButton();
        box_.siteModeCheck()->setEnabled(false);
        return;
    }
    box_.autoClickCheck()->setEnabled(true);
    box_.button(kSequenceButton)->setEnabled(!box_.autoClickCheck()->isChecked());
    box_.siteModeCheck()->setEnabled(true);
    session_.commands.WriteStatus();
}

void PanelActions::OnProfileChosen(int entry)
{
    DeviceState& state = session_.state;
    const auto& presets = FactsForModel(session_.link.modelNumber).presets;
    if (entry >= 0 && static_cast<size_t>(entry) < presets.size()) {
        const ProfilePreset preset = presets[static_cast<size_t>(entry)];
        state.resolution = preset.resolution;
        state.reportInterval = preset.reportInterval;
        panel_.ShowValueLabels(preset.resolution, preset.reportInterval);
    }
    box_.resolutionSlider()->setValue(state.resolution);
    box_.intervalSlider()->setValue(state.reportInterval);
    session_.commands.WriteStatus();
}

void PanelActions::OnSliderScrolled()
{
    // Both positions, whichever slider moved.
    session_.state.resolution = static_cast<uint8_t>(box_.resolutionSlider()->sliderPosition());
    session_.state.reportInterval = static_cast<uint8_t>(box_.intervalSlider()->sliderPosition());
    session_.commands.WriteStatus();
    panel_.UpdateSliderPanel();
}

void PanelActions::OnAutoClickClicked(bool checked)
{
    session_.state.autoClickOn = checked ? 1 : 0;
    // The sequence cannot change while the mouse clicks by itself.
    box_.button(kSequenceButton)->setEnabled(!checked);
    session_.commands.WriteStatus();
}

void PanelActions::OnSiteModeClicked(bool checked)
{
    if (checked) {
        // Switching web-site mode on takes a sign-in, which this box cannot
        // do by itself: the tick waits for the mouse to say so.
        box_.siteModeCheck()->setChecked(session_.state.siteModeOn != 0);
        return;
    }
    session_.state.siteModeOn = 0;
    session_.commands.WriteStatus();
    panel_.RefreshPanel();
}

}  // namespace qmb
