// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>

#include "ui/controls/language.h"
#include "ui/dialog_framework/skinned_dialog.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

namespace qmb {

struct DeviceSession;

// "Sequence Setting": how the mouse clicks by itself. It shows the
// auto-click target and the sequence record as the mouse holds them, a
// moment after it opens; "Apply" writes them, "OK" writes them unless
// "Apply" already did in this dialog, "Cancel" writes nothing.
class SequenceDialog : public SkinnedDialog {
    Q_OBJECT
public:
    // How long the dialog waits before it first asks the mouse.
    static constexpr int kFirstReadDelayMs = 200;

    SequenceDialog(DeviceSession& session, Language language, QWidget* parent = nullptr);

    // The settings have been read and shown.
    bool shown() const { return shown_; }
    QRadioButton* choice(int id) const;
    QCheckBox* useRunCycle() const { return useRunCycle_; }

protected:
    void OnEnter(QWidget* focus) override;

private:
    void CreateControls(Language language);
    void ShowSettings();
    void OnApply();
    void OnOk();

    DeviceSession& session_;
    QComboBox* targetList_ = nullptr;
    QComboBox* runCountList_ = nullptr;
    QComboBox* clickOnList_ = nullptr;
    QComboBox* clickOffList_ = nullptr;
    QComboBox* runCycleList_ = nullptr;
    QComboBox* applyButtonList_ = nullptr;
    // In the order of the start/stop styles.
    std::array<QRadioButton*, 3> styleChoices_{};
    QCheckBox* useRunCycle_ = nullptr;
    SkinButton* apply_ = nullptr;
    SkinButton* ok_ = nullptr;
    SkinButton* cancel_ = nullptr;
    bool applied_ = false;
    bool shown_ = false;
};

}  // namespace qmb
