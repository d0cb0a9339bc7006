#include "ui/dialogs/button_edit_dialog.h"

#include <QComboBox>
#include <QCoreApplication>

#include <map>

#include "ui/dialogs/button_edit_layout.h"
#include "ui/controls/color_static.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "protocol/button_tables.h"
#include "protocol/device_session.h"
#include "protocol/function_key_table.h"

namespace qmb {

namespace {

constexpr int kModelWithoutButtons4And5 = 2;

QString ButtonName(const char* name)
{
    return QCoreApplication::translate("ButtonTables", name);
}

}  // namespace

ButtonEditDialog::ButtonEditDialog(DeviceSession& session, Language language, QWidget* parent)
    : SkinnedDialog(parent), session_(session)
{
    setObjectName("146");
    setFixedSize(UnitsToPixels(kButtonEditUnits));
    CreateControls(language);
    ApplyControlColours();

    if (session_.modelNumber == kModelWithoutButtons4And5) {
        for (const int id : {kButton4Label, kButton5Label, kButton4List, kButton5List}) {
            findChild<QWidget*>(QString::number(id))->setEnabled(false);
        }
    }

    session_.keeper.Take(session_.commands.QueryButtonMap());
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
    inputList_ = list(kInputList);
    functionList_ = list(kFunctionList);
    connect(button(kInitialValueButton), &QAbstractButton::clicked, this, &ButtonEditDialog::OnInitialValue);
    connect(button(kSaveButtonsButton), &QAbstractButton::clicked, this, &ButtonEditDialog::OnSaveButtons);
    connect(button(kSaveFunctionButton), &QAbstractButton::clicked, this, &ButtonEditDialog::OnSaveFunction);
    connect(button(kExitEditingButton), &QAbstractButton::clicked, this, &QDialog::accept);
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
    session_.keeper.Take(session_.commands.ReadFunctionKey(FunctionKeyAddress(input)));
    functionList_->setCurrentIndex(FunctionKeyRowOf(session_.state.functionKey));
}

void ButtonEditDialog::WriteButtonMap()
{
    session_.keeper.Take(session_.commands.WriteButtonMap(session_.state.buttonMap));
    // Whether or not the mouse took the map, it is asked to work by it.
    session_.state.mode = static_cast<uint8_t>(Mode::Button);
    session_.keeper.Take(session_.commands.WriteStatus(StatusOf(session_.state)));
}

void ButtonEditDialog::OnInitialValue()
{
    for (size_t i = 0; i < buttonLists_.size(); ++i) {
        buttonLists_[i]->setCurrentIndex(static_cast<int>(i));
    }
    session_.state.buttonMap = kDefaultButtonMap;
    WriteButtonMap();
}

void ButtonEditDialog::OnSaveButtons()
{
    // A list without a selection saves mask 0, as the mouse has always
    // been sent it.
    for (size_t i = 0; i < buttonLists_.size(); ++i) {
        session_.state.buttonMap[i] = IndexToMask(buttonLists_[i]->currentIndex());
    }
    WriteButtonMap();
}

void ButtonEditDialog::OnSaveFunction()
{
    const int row = functionList_->currentIndex();
    session_.state.functionKey =
        row >= 0 ? FunctionKeyBytes(FunctionKeyTable[static_cast<size_t>(row)]) : FunctionKey{};
    session_.keeper.Take(
        session_.commands.WriteFunctionKey(FunctionKeyAddress(inputList_->currentIndex()), session_.state.functionKey));
    session_.state.mode = static_cast<uint8_t>(Mode::Function);
    session_.keeper.Take(session_.commands.WriteStatus(StatusOf(session_.state)));
}

}  // namespace qmb
