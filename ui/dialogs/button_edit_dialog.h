// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>

#include "ui/controls/language.h"
#include "ui/dialog_framework/skinned_dialog.h"

class QComboBox;

namespace qmb {

class SkinButton;
struct DeviceSession;

// "Button Editing": what the mouse's five buttons act as (saved, the mouse
// works in button mode), and which keyboard or media function each of five
// inputs sends (saved, it works in function mode). It shows what the mouse
// holds when it opens; only the two "Save" buttons and "Initial value"
// write to the mouse.
class ButtonEditDialog : public SkinnedDialog {
    Q_OBJECT
public:
    ButtonEditDialog(DeviceSession& session, Language language, QWidget* parent = nullptr);

    QComboBox* buttonList(int button) const { return buttonLists_[static_cast<size_t>(button)]; }
    QComboBox* inputList() const { return inputList_; }
    QComboBox* functionList() const { return functionList_; }

protected:
    void OnEnter(QWidget* focus) override;

private:
    void CreateControls(Language language);
    void ShowButtonMap();
    void ShowFunctionOf(int input);
    void OnInitialValue();
    void OnSaveButtons();
    void OnSaveFunction();

    DeviceSession& session_;
    std::array<QComboBox*, 5> buttonLists_{};
    std::array<QWidget*, 2> button4And5Labels_{};
    QComboBox* inputList_ = nullptr;
    QComboBox* functionList_ = nullptr;
    SkinButton* initialValue_ = nullptr;
    SkinButton* saveButtons_ = nullptr;
    SkinButton* saveFunction_ = nullptr;
    SkinButton* exit_ = nullptr;
};

}  // namespace qmb
