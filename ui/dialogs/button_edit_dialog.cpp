// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialogs/button_edit_dialog.h"

#include <QComboBox>
#include <QCoreApplication>

#include <algorithm>
#include <map>

#include "actions/button_actions.h"
#include "protocol/button_tables.h"
#include "protocol/device_session.h"
#include "protocol/function_key_table.h"
#include "protocol/model_table.h"
#include "ui/controls/color_static.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/button_edit_layout.h"

namespace qmb {

namespace {

QString ButtonName(const char* name)
{
    return QCoreApplication::translate("ButtonTables", name);
}

}  // namespace

ButtonEditDialog::ButtonEditDialog(DeviceSession& session, Language language, QWidget* parent)
    : SkinnedDialog(language, parent), session_(session)
{
    setObjectName("146");
    setFixedSize(UnitsToPixels(kButtonEditUnits));
    CreateControls(language);
    FinishControls();

    if (!HasButtons4And5(session_.modelNumber)) {
        for (QWidget* control : std::initializer_list<QWidget*>{button4And5Labels_[0], button4And5Labels_[1],
                                                                 buttonLists_[3], buttonLists_[4]}) {
            control->setEnabled(false);
        }
    }

    ReadButtonMap(session_);
    ShowButtonMap();
    inputList_->setCurrentIndex(0);
    ShowFunctionOf(0);
    connect(inputList_, &QComboBox::activated, this, &ButtonEditDialog::ShowFunctionOf);
}

void ButtonEditDialog::CreateControls(Language language)
{
    const std::map<int, QString> texts{
        {kButtonGroup, tr("Button Editing")},
        {kFunctionGroup, tr("Setting Button Function")},
        {kLeftLabel, ButtonName(kButtons[0].name)},
        {kRightLabel, ButtonName(kButtons[1].name)},
        {kWheelLabel, ButtonName(kButtons[2].name)},
        {kButton4Label, ButtonName(kButtons[3].name)},
        {kButton5Label, ButtonName(kButtons[4].name)},
        {kSelectButtonLabel, tr("Select Button")},
        {kSelectFunctionLabel, tr("Select Function")},
        {kInitialValueButton, tr("Initial value")},
        {kSaveButtonsButton, tr("Save")},
        {kSaveFunctionButton, tr("Save")},
        {kExitEditingButton, tr("Exit")},
    };
    const std::map<int, QString> tips{
        {kInitialValueButton, tr("Save Initial value.")},
        {kSaveButtonsButton, tr("Button Editing.")},
        {kSaveFunctionButton, tr("Save Button Function.")},
    };
    const auto textOf = [](const std::map<int, QString>& table, int id) {
        return table.contains(id) ? table.at(id) : QString();
    };
    PlaceControls<ButtonEditKind>(kButtonEditLayout, language, [&](const ControlPlace<ButtonEditKind>& place) -> QWidget* {
        switch (place.kind) {
        case ButtonEditKind::GroupBox:
            return AddGroup(textOf(texts, place.id));
        case ButtonEditKind::Label:
            return AddLabel(textOf(texts, place.id));
        case ButtonEditKind::List: {
            QComboBox* list = AddList();
            if (place.id == kInputList) {
                for (const auto& input : kFunctionInputs) {
                    list->addItem(ButtonName(input.name));
                }
            } else if (place.id == kFunctionList) {
                for (const auto& row : FunctionKeyTable) {
                    list->addItem(QCoreApplication::translate("FunctionKeyTable", row.name));
                }
            } else {
                for (const auto& button : kButtons) {
                    list->addItem(ButtonName(button.name));
                }
            }
            return list;
        }
        case ButtonEditKind::Button:
            return AddButton(textOf(texts, place.id), textOf(tips, place.id));
        }
        return nullptr;
    });
    for (size_t i = 0; i < buttonLists_.size(); ++i) {
        buttonLists_[i] = list(kLeftList + static_cast<int>(i));
    }
    button4And5Labels_ = {findChild<QWidget*>(QString::number(kButton4Label)),
                          findChild<QWidget*>(QString::number(kButton5Label))};
    inputList_ = list(kInputList);
    functionList_ = list(kFunctionList);
    initialValue_ = button(kInitialValueButton);
    saveButtons_ = button(kSaveButtonsButton);
    saveFunction_ = button(kSaveFunctionButton);
    exit_ = button(kExitEditingButton);
    connect(initialValue_, &QAbstractButton::clicked, this, &ButtonEditDialog::OnInitialValue);
    connect(saveButtons_, &QAbstractButton::clicked, this, &ButtonEditDialog::OnSaveButtons);
    connect(saveFunction_, &QAbstractButton::clicked, this, &ButtonEditDialog::OnSaveFunction);
    connect(exit_, &QAbstractButton::clicked, this, &QDialog::accept);
}

void ButtonEditDialog::OnEnter(QWidget* focus)
{
    if (focus == inputList_ || focus == functionList_) {
        saveFunction_->click();
    } else if (std::find(buttonLists_.begin(), buttonLists_.end(), focus) != buttonLists_.end()) {
        saveButtons_->click();
    }
}

void ButtonEditDialog::ShowButtonMap()
{
    // A mask the lists cannot show (32, 64) leaves its list without a
    // selection; any other that is not one of the five shows the first.
    for (size_t i = 0; i < buttonLists_.size(); ++i) {
        buttonLists_[i]->setCurrentIndex(MaskToIndex(session_.state.buttonMap[i]));
    }
}

void ButtonEditDialog::ShowFunctionOf(int input)
{
    ReadFunctionKey(session_, input);
    functionList_->setCurrentIndex(FunctionKeyRowOf(session_.state.functionKey));
}

void ButtonEditDialog::OnInitialValue()
{
    for (size_t i = 0; i < buttonLists_.size(); ++i) {
        buttonLists_[i]->setCurrentIndex(static_cast<int>(i));
    }
    SaveButtonMap(session_, kDefaultButtonMap);
}

void ButtonEditDialog::OnSaveButtons()
{
    // A list without a selection saves mask 0, as the mouse has always
    // been sent it.
    ButtonMap map{};
    for (size_t i = 0; i < buttonLists_.size(); ++i) {
        map[i] = IndexToMask(buttonLists_[i]->currentIndex());
    }
    SaveButtonMap(session_, map);
}

void ButtonEditDialog::OnSaveFunction()
{
    SaveFunctionKey(session_, inputList_->currentIndex(), functionList_->currentIndex());
}

}  // namespace qmb
