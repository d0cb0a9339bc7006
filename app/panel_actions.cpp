#include "app/panel_actions.h"

#include <QCheckBox>
#include <QComboBox>

#include "app/control_box.h"
#include "app/panel_refresh.h"
#include "ui/controls/skin_bitmap_button.h"
#include "ui/controls/skin_slider.h"
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

void PanelActions::WriteStatus(const StatusFields& status)
{
    session_.keeper.Take(session_.commands.WriteStatus(status));
}

void PanelActions::ApplyModeButton(Mode mode)
{
    panel_.ShowModeButtons(mode);
    if (mode == Mode::Button) {
        box_.autoClickCheck()->setEnabled(false);
        box_.button(kSequenceButton)->setEnabled(false);
        session_.keeper.Take(session_.commands.ApplyModeButton(StatusOf(session_.state)));
        box_.siteModeCheck()->setEnabled(false);
        return;
    }
    box_.autoClickCheck()->setEnabled(true);
    box_.button(kSequenceButton)->setEnabled(!box_.autoClickCheck()->isChecked());
    box_.siteModeCheck()->setEnabled(true);
    WriteStatus(StatusOf(session_.state));
}

void PanelActions::OnProfileChosen(int entry)
{
    DeviceState& state = session_.state;
    const auto& presets = FactsForModel(session_.modelNumber).presets;
    if (entry >= 0 && static_cast<size_t>(entry) < presets.size()) {
        const ProfilePreset preset = presets[static_cast<size_t>(entry)];
        state.resolution = preset.resolution;
        state.reportInterval = preset.reportInterval;
        panel_.ShowValueLabels(preset.resolution, preset.reportInterval);
    }
    box_.resolutionSlider()->setValue(state.resolution);
    box_.intervalSlider()->setValue(state.reportInterval);
    WriteStatus(StatusOf(state));
}

void PanelActions::OnSliderScrolled()
{
    // Both positions, whichever slider moved. The state keeps them even
    // when the mouse does not take them: the panel shows the user's choice.
    session_.state.resolution = static_cast<uint8_t>(box_.resolutionSlider()->sliderPosition());
    session_.state.reportInterval = static_cast<uint8_t>(box_.intervalSlider()->sliderPosition());
    WriteStatus(StatusOf(session_.state));
    panel_.UpdateSliderPanel();
}

void PanelActions::OnAutoClickClicked(bool checked)
{
    session_.state.autoClickOn = checked ? 1 : 0;
    // The sequence cannot change while the mouse clicks by itself.
    box_.button(kSequenceButton)->setEnabled(!checked);
    WriteStatus(StatusOf(session_.state));
}

}  // namespace qmb
