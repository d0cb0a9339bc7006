// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include <map>
#include <optional>

#include "app/control_ids.h"
#include "ui/controls/language.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace qmb {

class CTransparentStatic;
class InvisibleButton;
class SkinBitmapButton;
class SkinSlider;

// The control box window: the skin, its fifteen controls placed as the
// layout says for the UI language, the rounded shape, and dragging by the
// background. It knows nothing of the mouse.
class ControlBox : public QWidget {
    Q_OBJECT
public:
    ControlBox(int modelNumber, Language language);

    CTransparentStatic* resolutionLabel() const { return resolutionLabel_; }
    CTransparentStatic* intervalLabel() const { return intervalLabel_; }
    QComboBox* profileCombo() const { return profileCombo_; }
    QComboBox* siteCombo() const { return siteCombo_; }
    QCheckBox* siteModeCheck() const { return siteModeCheck_; }
    QCheckBox* autoClickCheck() const { return autoClickCheck_; }
    SkinSlider* resolutionSlider() const { return resolutionSlider_; }
    SkinSlider* intervalSlider() const { return intervalSlider_; }
    SkinBitmapButton* button(ControlId id) const { return buttons_.at(id); }
    InvisibleButton* helpButton() const { return helpButton_; }

signals:
    // The window manager asked to close the window (Alt+F4).
    void closeRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls(Language language);
    void ApplyColours();
    // Names for screen readers, and tips where the skin says nothing.
    void NameControls();

    int backgroundSkin_;
    // Until the fonts in it are set.
    std::optional<Language> language_;
    CTransparentStatic* resolutionLabel_ = nullptr;
    CTransparentStatic* intervalLabel_ = nullptr;
    QComboBox* profileCombo_ = nullptr;
    QComboBox* siteCombo_ = nullptr;
    QCheckBox* siteModeCheck_ = nullptr;
    QCheckBox* autoClickCheck_ = nullptr;
    SkinSlider* resolutionSlider_ = nullptr;
    SkinSlider* intervalSlider_ = nullptr;
    InvisibleButton* helpButton_ = nullptr;
    std::map<ControlId, SkinBitmapButton*> buttons_;
};

}  // namespace qmb
