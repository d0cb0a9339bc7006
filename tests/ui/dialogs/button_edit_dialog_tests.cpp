// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The button editing dialog: what the user picks in, the reports on the
// wire out.

#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "actions/status_actions.h"
#include "device/report_trace.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "tests/support/scripted_platform.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/button_edit_dialog.h"
#include "ui/dialogs/button_edit_layout.h"

namespace qmb {
namespace {

using Report = std::vector<uint8_t>;
using Wire = std::vector<std::string>;

std::string Hex(const Report& report)
{
    return FormatReport(report);
}

// The dialog on the demo mouse, opened as the control box opens it.
class ButtonEditDialogTest : public ::testing::Test {
protected:
    void Open(int model = 0)
    {
        dialog_.reset();
        session_.reset();
        mouse_ = std::make_unique<EmulatedPlatform>(model);
        mouse_->RecordSentReports();
        session_ = std::make_unique<DeviceSession>(*mouse_, model);
        session_->keeper.Take(session_->commands.QueryStatus());
        dialog_ = std::make_unique<ButtonEditDialog>(*session_, Language::English);
    }

    Wire Sent()
    {
        Wire wire;
        for (const auto& report : mouse_->TakeSentReports()) {
            wire.push_back(Hex(report));
        }
        return wire;
    }

    void Click(int id) { QTest::mouseClick(dialog_->button(id), Qt::LeftButton); }

    void Choose(QComboBox* list, int entry)
    {
        list->setCurrentIndex(entry);
        emit list->activated(entry);
    }

    void TearDown() override
    {
        dialog_.reset();
        session_.reset();
    }

    std::unique_ptr<EmulatedPlatform> mouse_;
    std::unique_ptr<DeviceSession> session_;
    std::unique_ptr<ButtonEditDialog> dialog_;
};

TEST_F(ButtonEditDialogTest, OpensWithTheMousesMapAndTheRightButtonsFunction)
{
    Open();
    EXPECT_EQ(Sent(), (Wire{"04 FF CA 00 00 00 00 00", "04 FF C5 00 00 00 00 00", "08 FF 0B 00 00 00 00 00 00"}));
    for (int button = 0; button < 5; ++button) {
        EXPECT_EQ(dialog_->buttonList(button)->currentIndex(), button);
    }
    EXPECT_EQ(dialog_->inputList()->currentText(), "R.Button");
    EXPECT_EQ(dialog_->functionList()->currentText(), "Default Value");
    EXPECT_EQ(dialog_->functionList()->count(), 31);
    EXPECT_EQ(dialog_->button(kInitialValueButton)->toolTip(), "Save Initial value.");
    EXPECT_EQ(dialog_->button(kExitEditingButton)->toolTip(), "Click Here!");
}

TEST_F(ButtonEditDialogTest, SavingTheMapSendsItThenButtonMode)
{
    Open();
    Sent();
    Choose(dialog_->buttonList(0), 1);
    Choose(dialog_->buttonList(1), 0);
    Click(kSaveButtonsButton);
    EXPECT_EQ(Sent(), (Wire{"04 C5 02 01 04 08 10 00", "04 CA 01 03 01 00 01 00"}));
    mouse_->InspectMouse([](const emu::VirtualMouse& mouse) {
        EXPECT_EQ(mouse.buttonMap(), (std::array<uint8_t, 5>{2, 1, 4, 8, 16}));
    });
}

TEST_F(ButtonEditDialogTest, InitialValueSendsTheDefaultsEvenWhenShownAlready)
{
    Open();
    Sent();
    Click(kInitialValueButton);
    EXPECT_EQ(Sent(), (Wire{"04 C5 01 02 04 08 10 00", "04 CA 01 03 01 00 01 00"}));
    Choose(dialog_->buttonList(2), 4);
    Click(kInitialValueButton);
    EXPECT_EQ(dialog_->buttonList(2)->currentIndex(), 2);
    EXPECT_EQ(Sent(), (Wire{"04 C5 01 02 04 08 10 00", "04 CA 01 03 01 00 01 00"}));
}

TEST_F(ButtonEditDialogTest, ChoosingAnInputReadsItsFunctionAndSavingSwitchesToFunctionMode)
{
    Open();
    Sent();
    Choose(dialog_->inputList(), 4);
    EXPECT_EQ(Sent(), (Wire{"08 FF 23 00 00 00 00 00 00"}));
    Choose(dialog_->functionList(), 5);
    Click(kSaveFunctionButton);
    EXPECT_EQ(Sent(), (Wire{"08 23 01 01 06 00 00 00 00", "04 CA 02 03 01 00 01 00"}));
    EXPECT_EQ(session_->state.mode, 2);

    // Read back: the input shows the function it was given.
    Choose(dialog_->inputList(), 0);
    Choose(dialog_->inputList(), 4);
    EXPECT_EQ(dialog_->functionList()->currentText(), "Copy");
    Choose(dialog_->functionList(), 0);
    Sent();
    Click(kSaveFunctionButton);
    EXPECT_EQ(Sent(), (Wire{"08 23 00 00 00 00 00 00 00", "04 CA 02 03 01 00 01 00"}));
}

TEST_F(ButtonEditDialogTest, TheTwoSmallModelsButtonsAreOffButStillSaved)
{
    Open(2);
    for (int id : {kButton4Label, kButton5Label, kButton4List, kButton5List}) {
        EXPECT_FALSE(dialog_->findChild<QWidget*>(QString::number(id))->isEnabled()) << id;
    }
    EXPECT_TRUE(dialog_->buttonList(2)->isEnabled());
    Sent();
    Click(kSaveButtonsButton);
    EXPECT_EQ(Sent().front(), "04 C5 01 02 04 08 10 00");
}

TEST_F(ButtonEditDialogTest, EnterInAListPressesTheSaveBesideItAndExitOrEscapeCloseWithoutWriting)
{
    Open();
    dialog_->show();
    Sent();
    dialog_->buttonList(0)->setFocus();
    QTest::keyClick(dialog_->buttonList(0), Qt::Key_Return);
    EXPECT_EQ(Sent(), (Wire{"04 C5 01 02 04 08 10 00", "04 CA 01 03 01 00 01 00"}));
    dialog_->functionList()->setFocus();
    QTest::keyClick(dialog_->functionList(), Qt::Key_Enter);
    EXPECT_EQ(Sent(), (Wire{"08 0B 00 00 00 00 00 00 00", "04 CA 02 03 01 00 01 00"}));
    EXPECT_TRUE(dialog_->isVisible());

    for (const auto close : {0, 1}) {
        Open();
        dialog_->show();
        Sent();
        if (close == 0) {
            Click(kExitEditingButton);
        } else {
            QTest::keyClick(dialog_->buttonList(0), Qt::Key_Escape);
        }
        EXPECT_FALSE(dialog_->isVisible()) << close;
        EXPECT_TRUE(Sent().empty()) << close;
    }
}

// A mouse that answers the map and function queries with what a test sets.
class OddMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform_.interfaces = test::ScriptedPlatform::TheMousesCollections();
        platform_.responder = [this](const Report& out) -> Report {
            if (out[0] == 4 && out[1] == 0xFF && out[2] == 0xC5) {
                return map_;
            }
            if (out[0] == 4) {
                return {4, 0xCA, 1, 3, 1, 0, 1, 0};
            }
            if (out[0] == 8 && out[1] == 0xFF) {
                return function_;
            }
            return {};
        };
        // Known before the dialog opens, as the control box reads it first.
        ReadStatus(session_);
        platform_.sent.clear();
    }

    test::ScriptedPlatform platform_;
    DeviceSession session_{platform_, 0};
    Report map_{4, 0xC5, 1, 32, 64, 3, 0, 0};
    Report function_{8, 0xFF, 1, 0x77, 0x77, 0, 0, 0, 0};
};

TEST_F(OddMouse, MasksTheListsCannotShowAndFunctionsNoRowHas)
{
    ButtonEditDialog dialog(session_, Language::English);
    EXPECT_EQ(dialog.buttonList(0)->currentText(), "L.Button");
    // 32 and 64 lie past the five entries: no selection.
    EXPECT_EQ(dialog.buttonList(1)->currentIndex(), -1);
    EXPECT_EQ(dialog.buttonList(2)->currentIndex(), -1);
    EXPECT_EQ(dialog.buttonList(3)->currentText(), "L.Button");
    EXPECT_EQ(dialog.buttonList(4)->currentText(), "L.Button");
    EXPECT_EQ(dialog.functionList()->currentText(), "Default Value");

    // Saved as shown: a list without a selection writes mask 0, the shown
    // "Default Value" kind 0.
    platform_.sent.clear();
    QTest::mouseClick(dialog.button(kSaveButtonsButton), Qt::LeftButton);
    QTest::mouseClick(dialog.button(kSaveFunctionButton), Qt::LeftButton);
    ASSERT_GE(platform_.sent.size(), 4u);
    EXPECT_EQ(Hex(platform_.sent[0]), "04 C5 01 00 00 01 01 00");
    EXPECT_EQ(Hex(platform_.sent[2]), "08 0B 00 00 00 00 00 00 00");
}

TEST_F(OddMouse, AMouseThatDoesNotAnswerLeavesWhatTheStateHeld)
{
    session_.state.buttonMap = {2, 1, 4, 8, 16};
    platform_.interfaces.clear();
    ButtonEditDialog dialog(session_, Language::English);
    EXPECT_EQ(dialog.buttonList(0)->currentText(), "R.Button");
    EXPECT_EQ(dialog.buttonList(1)->currentText(), "L.Button");
}

}  // namespace
}  // namespace qmb
