// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The sequence dialog: the mouse's record shown, what the user applies on
// the wire.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "device/report_trace.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/sequence_dialog.h"
#include "ui/dialogs/sequence_layout.h"
#include "tests/support/notice_on_screen.h"
#include "ui/notice/notice_popup.h"

namespace qmb {
namespace {

using Wire = std::vector<std::string>;

class SequenceDialogTest : public ::testing::Test {
protected:
    SequenceDialogTest()
    {
        mouse_.RecordSentReports();
        session_.keeper.Take(session_.commands.QueryStatus());
    }

    // The mouse holds this record before the dialog opens.
    void MouseHolds(const SequenceRecord& record, uint8_t target = 1)
    {
        session_.keeper.Take(session_.commands.WriteSequence(record));
        StatusFields status = StatusOf(session_.state);
        status.autoClickTarget = target;
        session_.keeper.Take(session_.commands.WriteStatus(status));
        mouse_.TakeSentReports();
    }

    void Open()
    {
        dialog_ = std::make_unique<SequenceDialog>(session_, Language::English);
        dialog_->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog_->shown(); }, 2000));
    }

    Wire Sent()
    {
        Wire wire;
        for (const auto& report : mouse_.TakeSentReports()) {
            wire.push_back(FormatReport(report));
        }
        return wire;
    }

    QComboBox* List(int id) { return dialog_->list(id); }
    void Click(int id) { QTest::mouseClick(dialog_->button(id), Qt::LeftButton); }

    EmulatedPlatform mouse_;
    DeviceSession session_{mouse_, 0};
    std::unique_ptr<SequenceDialog> dialog_;
};

TEST_F(SequenceDialogTest, OpensAMomentLaterWithTheMousesRecord)
{
    MouseHolds({7, 3, 4, 49, 1, 4, 2}, 4);
    dialog_ = std::make_unique<SequenceDialog>(session_, Language::English);
    EXPECT_FALSE(dialog_->button(kOkSequenceButton)->isEnabled());
    EXPECT_TRUE(Sent().empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog_->shown(); }, 2000));
    EXPECT_EQ(Sent(), (Wire{"04 FF CA 00 00 00 00 00", "08 FF 29 00 00 00 00 00 00"}));

    EXPECT_EQ(List(kTargetList)->currentText(), "5-Button");
    EXPECT_EQ(List(kRunCountList)->currentIndex(), 6);
    EXPECT_EQ(List(kRunCountList)->currentText(), " 7 times");
    EXPECT_EQ(List(kRunCountList)->itemText(49), "50 times");
    EXPECT_EQ(List(kClickOnList)->currentText(), "3 msec");
    EXPECT_EQ(List(kClickOffList)->currentText(), "4 msec");
    EXPECT_EQ(List(kRunCycleList)->currentIndex(), 47);
    EXPECT_EQ(List(kApplyButtonList)->currentText(), "R.Button");
    EXPECT_TRUE(dialog_->choice(kContinueChoice)->isChecked());
    EXPECT_TRUE(dialog_->useRunCycle()->isChecked());
    EXPECT_TRUE(dialog_->button(kOkSequenceButton)->isEnabled());
}

TEST_F(SequenceDialogTest, ApplySendsTheRecordThenTheTargetInTheStatus)
{
    MouseHolds({1, 1, 1, 2, 0, 1, 1});
    Open();
    Sent();
    List(kRunCountList)->setCurrentIndex(49);
    List(kRunCycleList)->setCurrentIndex(47);
    List(kApplyButtonList)->setCurrentIndex(1);
    List(kTargetList)->setCurrentIndex(2);
    dialog_->choice(kToggleChoice)->setChecked(true);
    dialog_->useRunCycle()->setChecked(true);
    Click(kApplySequenceButton);
    EXPECT_EQ(Sent(), (Wire{"08 29 04 32 01 01 31 A2 00", "04 CA 01 03 01 00 04 00"}));
    mouse_.InspectMouse([](const emu::VirtualMouse& mouse) { EXPECT_EQ(mouse.status().autoClickTarget, 4); });

    // OK after Apply sends nothing more, even for a change made since.
    List(kRunCountList)->setCurrentIndex(0);
    Click(kOkSequenceButton);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(SequenceDialogTest, OkRightAfterOpeningSendsWhatIsShownAndCancelNothing)
{
    MouseHolds({12, 5, 6, 20, 0, 2, 1});
    Open();
    Sent();
    Click(kOkSequenceButton);
    EXPECT_EQ(Sent(), (Wire{"08 29 04 0C 05 06 14 21 00", "04 CA 01 03 01 00 01 00"}));

    Open();
    Sent();
    Click(kApplySequenceButton);
    Sent();
    Click(kCancelSequenceButton);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
}

TEST_F(SequenceDialogTest, EnterIsOkAndEscapeCancels)
{
    MouseHolds({12, 5, 6, 20, 0, 2, 1});
    Open();
    Sent();
    List(kRunCountList)->setFocus();
    QTest::keyClick(List(kRunCountList), Qt::Key_Return);
    EXPECT_EQ(Sent(), (Wire{"08 29 04 0C 05 06 14 21 00", "04 CA 01 03 01 00 01 00"}));
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);

    Open();
    Sent();
    QTest::keyClick(List(kRunCountList), Qt::Key_Escape);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
}

TEST_F(SequenceDialogTest, ValuesTheListsDoNotHoldLeaveThemEmptyAndApplyAsEntryMinusOne)
{
    // A cycle of 50 and a count of 0 can come from the mouse itself.
    MouseHolds({0, 50, 1, 50, 0, 3, 0});
    Open();
    EXPECT_EQ(List(kRunCountList)->currentIndex(), -1);
    EXPECT_EQ(List(kClickOnList)->currentIndex(), 49);
    EXPECT_EQ(List(kRunCycleList)->currentIndex(), -1);
    EXPECT_EQ(List(kApplyButtonList)->currentIndex(), -1);
    for (const int id : {kContinueValueChoice, kToggleChoice, kContinueChoice}) {
        EXPECT_FALSE(dialog_->choice(id)->isChecked()) << id;
    }
    Sent();
    Click(kApplySequenceButton);
    // Count 0, cycle 1, no style, apply button 0: entry -1 of each list.
    EXPECT_EQ(Sent().front(), "08 29 04 00 32 01 01 00 00");
}

TEST_F(SequenceDialogTest, AMouseThatCannotBeReadIsSaidOnceAndTheDialogStillOpens)
{
    session_.state.runCount = 9;
    mouse_.Unplug();
    Open();
    EXPECT_EQ(test::NoticeOnScreen(), "Failed of config read!");
    EXPECT_EQ(List(kRunCountList)->currentText(), " 9 times");
    EXPECT_TRUE(dialog_->isVisible());

    // One that takes the query but never answers has not been read either.
    test::HideNotices();
    mouse_.PlugIn();
    EmulatedPlatform::Faults silent;
    silent.noReply = true;
    mouse_.SetFaults(silent);
    Open();
    EXPECT_EQ(test::NoticeOnScreen(), "Failed of config read!");
}

}  // namespace
}  // namespace qmb
