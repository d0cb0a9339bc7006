// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/panel_refresh.h"

#include <QCheckBox>
#include <QComboBox>

#include "app/control_box.h"
#include "ui/controls/skin_bitmap_button.h"
#include "ui/controls/skin_slider.h"
#include "ui/controls/transparent_static.h"
#include "settings/site_titles.h"
#include "protocol/model_table.h"

namespace qmb {

PanelRefresh::PanelRefresh(ControlBox& box, const DeviceState& state, int modelNumber)
    : box_(box), state_(state), modelNumber_(modelNumber)
{
}

void PanelRefresh::OnDeviceStateChanged()
{
    if (state_.mode != shownState_.mode) {
        ShowModeControls();
    }
    if (state_.resolution != shownState_.resolution) {
        UpdateSliderPanel();
    }
    if (state_.reportInterval != shownState_.reportInterval) {
        UpdateSliderPanel();
    }
    if (state_.siteModeOn != shownState_.siteModeOn) {
        ShowSiteMode();
    }
    if (state_.autoClickOn != shownState_.autoClickOn) {
        // Turning auto-click off does not give the sequence button back
        // here; the auto-click box does that when the user unticks it.
        if (state_.autoClickOn) {
            box_.autoClickCheck()->setChecked(true);
            box_.button(kSequenceButton)->setEnabled(false);
        } else {
            box_.autoClickCheck()->setChecked(false);
        }
    }
    shownState_ = StatusOf(state_);
}

void PanelRefresh::ShowSiteMode()
{
    box_.siteModeCheck()->setChecked(state_.siteModeOn != 0);
}

void PanelRefresh::ShowModeControls()
{
    switch (static_cast<Mode>(state_.mode)) {
    case Mode::Button:
        ShowModeButtons(Mode::Button);
        box_.autoClickCheck()->setEnabled(false);
        box_.button(kSequenceButton)->setEnabled(false);
        box_.siteModeCheck()->setEnabled(false);
        ShowSiteMode();
        break;
    case Mode::Function:
        // Function mode offers auto-click too, whether the user or the
        // mouse itself chose the mode.
        ShowModeButtons(Mode::Function);
        box_.autoClickCheck()->setEnabled(true);
        box_.button(kSequenceButton)->setEnabled(!box_.autoClickCheck()->isChecked());
        box_.siteModeCheck()->setEnabled(true);
        ShowSiteMode();
        break;
    }
}

void PanelRefresh::ShowModeButtons(Mode mode)
{
    // The active mode's button is the disabled one, with its dot filled.
    const bool buttonMode = mode == Mode::Button;
    auto* normal = box_.button(kButtonModeButton);
    auto* function = box_.button(kFunctionModeButton);
    normal->LoadBitmaps(buttonMode ? kSkinNormalOn : kSkinNormalOff, buttonMode ? kSkinNormalOn : kSkinNormalOff);
    normal->setEnabled(!buttonMode);
    function->LoadBitmaps(buttonMode ? kSkinFunctionOff : kSkinFunctionOn,
                          buttonMode ? kSkinFunctionOff : kSkinFunctionOn);
    function->setEnabled(buttonMode);
}

void PanelRefresh::UpdateSliderPanel()
{
    box_.resolutionSlider()->setValue(state_.resolution);
    box_.intervalSlider()->setValue(state_.reportInterval);
    ShowValueLabels(state_.resolution, state_.reportInterval);
    // Only a resolution the model has can select a profile.
    if (DpiLabel(modelNumber_, state_.resolution)) {
        if (const auto entry = ProfileEntryFor(modelNumber_, state_.resolution, state_.reportInterval)) {
            box_.profileCombo()->setCurrentIndex(*entry);
        }
    }
}

void PanelRefresh::ShowValueLabels(uint8_t resolution, uint8_t reportInterval)
{
    if (const auto dpi = DpiLabel(modelNumber_, resolution)) {
        box_.resolutionLabel()->setText(QString::number(*dpi));
        // What a screen reader says of the slider: the value, not its step.
        box_.resolutionSlider()->setAccessibleDescription(box_.resolutionLabel()->text());
    }
    if (const auto label = IntervalLabel(reportInterval)) {
        box_.intervalLabel()->setText(QString::fromStdString(*label));
        box_.intervalSlider()->setAccessibleDescription(box_.intervalLabel()->text());
    }
}

void PanelRefresh::ShowAutoClick()
{
    if (state_.autoClickOn) {
        box_.autoClickCheck()->setChecked(true);
        box_.button(kSequenceButton)->setEnabled(false);
    } else {
        box_.autoClickCheck()->setChecked(false);
    }
}

void PanelRefresh::LoadSiteTitles()
{
    QComboBox* combo = box_.siteCombo();
    combo->clear();
    if (const auto titles = qmb::LoadSiteTitles()) {
        for (const auto& title : *titles) {
            combo->addItem(QString::fromStdString(title));
        }
    }
    combo->setCurrentIndex(-1);
}

void PanelRefresh::ShowDetected()
{
    ShowModeControls();
    UpdateSliderPanel();
    ShowAutoClick();
    LoadSiteTitles();
}

void PanelRefresh::RefreshPanel()
{
    ShowSiteMode();
    ShowDetected();
}

}  // namespace qmb
