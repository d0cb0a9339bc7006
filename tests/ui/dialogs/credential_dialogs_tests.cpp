// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The password and sign-in dialogs: what is typed in, what reaches the
// mouse and what the user is told.

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "actions/password_actions.h"
#include "device/device_watcher.h"
#include "device/report_trace.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "protocol/mouse_watch_listener.h"
#include "protocol/secret_bytes.h"
#include "protocol/usage_table.h"
#include "tests/support/notice_on_screen.h"
#include "tests/support/qt_printers.h"
#include "tests/support/report_interloper.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/login_dialog.h"
#include "ui/dialogs/login_layout.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/password_layout.h"

namespace qmb {
namespace {

using Wire = std::vector<std::string>;

struct NoListener : MouseWatchListener {
    void OnDeviceDetected() override {}
    void OnStatusPolled(const PolledStatus&) override {}
    void OnDeviceReset(std::span<const uint8_t>) override {}
    void OnDeviceStateChanged() override {}
};

class CredentialDialogTest : public ::testing::Test {
protected:
    CredentialDialogTest() { mouse_.RecordSentReports(); }

    void TearDown() override
    {
        test::HideNotices();
    }

    // What went to the mouse, as a trace shows it.
    Wire Sent()
    {
        Wire wire;
        for (const auto& report : mouse_.TakeSentReports()) {
            wire.push_back(FormatReport(report, SecretStartOfOutput(report)));
        }
        return wire;
    }

    // The mouse's own memory, where the trace shows only "**".
    std::vector<uint8_t> Memory(uint8_t address, size_t length)
    {
        std::vector<uint8_t> bytes;
        mouse_.InspectMouse([&](const emu::VirtualMouse& mouse) {
            bytes.assign(mouse.memory().begin() + address, mouse.memory().begin() + address + length);
        });
        return bytes;
    }

    void SetMousePassword(const char* password)
    {
        auto usages = ToSecretUsages<12>(password, kPasswordTableLength);
        ASSERT_TRUE(usages);
        ASSERT_TRUE(session_.commands.WriteMousePassword(*usages).ok());
        ReadLockState(session_);
        mouse_.TakeSentReports();
    }

    static void Type(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClicks(field, text);
    }

    EmulatedPlatform mouse_;
    DeviceSession session_{mouse_, 0};
};

class PasswordDialogTest : public CredentialDialogTest {
protected:
    void Open()
    {
        dialog_ = std::make_unique<PasswordDialog>(session_, Language::English);
        dialog_->show();
    }
    QLineEdit* Field(int id) { return dialog_->field(id); }
    void Click(int id) { QTest::mouseClick(dialog_->button(id), Qt::LeftButton); }

    std::unique_ptr<PasswordDialog> dialog_;
};

TEST_F(PasswordDialogTest, AFirstPasswordTypedTwiceIsSentAsUsagesAndTheButtonRestsUntilTypedAgain)
{
    Open();
    EXPECT_FALSE(dialog_->button(kSignOutButton)->isVisible());
    EXPECT_EQ(dialog_->findChild<GroupFrame*>("1071")->title(), "Password Setting");
    EXPECT_EQ(dialog_->button(kSavePasswordButton)->text(), "Save PWD.");
    Type(Field(kPasswordField), "aB3");
    Type(Field(kVerificationField), "aB3");
    Click(kSavePasswordButton);
    EXPECT_EQ(Sent(), (Wire{"08 2F ** ** ** ** ** ** **", "08 35 ** ** ** ** ** ** **", "08 FF F9 2F 00 00 00 00 00"}));
    EXPECT_EQ(Memory(0x2F, 12), (std::vector<uint8_t>{0x04, 0x85, 0x20, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(dialog_->button(kSavePasswordButton)->isEnabled());
    Type(Field(kPasswordField), "x");
    EXPECT_TRUE(dialog_->button(kSavePasswordButton)->isEnabled());
}

TEST_F(PasswordDialogTest, FieldsThatDifferOrHoldOtherCharactersSendNothing)
{
    Open();
    Type(Field(kPasswordField), "abc12");
    Type(Field(kVerificationField), "abc13");
    Click(kSavePasswordButton);
    EXPECT_EQ(test::NoticeOnScreen(), "Not Match!");
    EXPECT_EQ(Field(kPasswordField)->text(), "abc12");
    EXPECT_EQ(Field(kVerificationField)->text(), "abc13");

    for (const char* refused : {"ab*1", "ab 1", "ab-1"}) {
        Field(kPasswordField)->setText(refused);
        Field(kVerificationField)->setText(refused);
        Click(kSavePasswordButton);
        EXPECT_EQ(test::NoticeOnScreen(), "Invalid keys!") << refused;
        EXPECT_TRUE(Field(kPasswordField)->text().isEmpty()) << refused;
        EXPECT_TRUE(Field(kVerificationField)->text().isEmpty()) << refused;
    }
    Click(kSavePasswordButton);
    EXPECT_EQ(test::NoticeOnScreen(), "Input PWD.");
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Field(kPasswordField)->maxLength(), 12);
    EXPECT_EQ(Field(kPasswordField)->echoMode(), QLineEdit::Password);
}

TEST_F(PasswordDialogTest, ShortPasswordIsSentEmptiedAfterwardsAndDeletedByTheSecondPress)
{
    SetMousePassword("abc1");
    session_.keeper.Take(session_.commands.SignInMousePassword(*ToSecretUsages<12>("abc1", kPasswordTableLength)));
    Sent();
    Open();
    EXPECT_EQ(dialog_->findChild<GroupFrame*>("1071")->title(), "Update Mouse Password");
    EXPECT_TRUE(dialog_->button(kSignOutButton)->isVisible());
    Click(kShortPasswordButton);
    EXPECT_TRUE(Field(kShortPasswordField)->isVisible());
    EXPECT_FALSE(Field(kPasswordField)->isVisible());
    EXPECT_EQ(dialog_->findChild<GroupFrame*>("1071")->title(), "Set Short PWD.");
    EXPECT_EQ(dialog_->button(kShortPasswordButton)->text(), "Delete Short PWD.");
    EXPECT_EQ(Field(kShortPasswordField)->maxLength(), 6);

    Type(Field(kShortPasswordField), "q7");
    Click(kSavePasswordButton);
    EXPECT_EQ(Sent(), (Wire{"08 3B ** ** ** ** ** ** **"}));
    EXPECT_EQ(Memory(0x3B, 6), (std::vector<uint8_t>{0x14, 0x24, 0, 0, 0, 0}));
    EXPECT_TRUE(Field(kShortPasswordField)->text().isEmpty());

    Type(Field(kShortPasswordField), "q*");
    Click(kSavePasswordButton);
    EXPECT_EQ(test::NoticeOnScreen(), "Invalid keys!");
    EXPECT_TRUE(Field(kShortPasswordField)->text().isEmpty());
    EXPECT_TRUE(Sent().empty());

    Click(kShortPasswordButton);
    EXPECT_EQ(Sent(), (Wire{"08 3B ** ** ** ** ** ** **"}));
    EXPECT_EQ(Memory(0x3B, 6), (std::vector<uint8_t>(6, 0)));
    EXPECT_TRUE(Field(kShortPasswordField)->isVisible());
}

TEST_F(PasswordDialogTest, APasswordTheMouseDroppedIsSaidInRedAndStaysTyped)
{
    Open();
    Type(Field(kPasswordField), "aB3");
    Type(Field(kVerificationField), "aB3");
    test::ReportInterloper interloper(mouse_);
    Click(kSavePasswordButton);
    EXPECT_EQ(test::NoticeOnScreen(), "The mouse did not take it. Try again.");
    EXPECT_EQ(Field(kVerificationField)->text(), "aB3");
    EXPECT_TRUE(dialog_->button(kSavePasswordButton)->isEnabled());
}

TEST_F(PasswordDialogTest, EnterSavesWhatWasTypedAndAFailureKeepsItForAnotherTry)
{
    Open();
    Type(Field(kPasswordField), "abc1");
    Type(Field(kVerificationField), "abc1");
    mouse_.Unplug();
    QTest::keyClick(Field(kVerificationField), Qt::Key_Return);
    EXPECT_EQ(test::NoticeOnScreen(), "No mouse found.");
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(Field(kVerificationField)->text(), "abc1");
    EXPECT_TRUE(dialog_->button(kSavePasswordButton)->isEnabled());

    mouse_.PlugIn();
    QTest::keyClick(Field(kVerificationField), Qt::Key_Return);
    EXPECT_EQ(Sent(), (Wire{"08 2F ** ** ** ** ** ** **", "08 35 ** ** ** ** ** ** **", "08 FF F9 2F 00 00 00 00 00"}));
    EXPECT_FALSE(dialog_->button(kSavePasswordButton)->isEnabled());
    QTest::keyClick(Field(kVerificationField), Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
}

TEST_F(PasswordDialogTest, AShortPasswordCanBeSavedRightAfterTheMousePassword)
{
    Open();
    Type(Field(kPasswordField), "abc1");
    Type(Field(kVerificationField), "abc1");
    Click(kSavePasswordButton);
    ASSERT_FALSE(dialog_->button(kSavePasswordButton)->isEnabled());
    Click(kShortPasswordButton);
    EXPECT_TRUE(dialog_->button(kSavePasswordButton)->isEnabled());
}

TEST_F(PasswordDialogTest, SignOutSignsOutAndClosingEmptiesEveryField)
{
    SetMousePassword("abc1");
    Open();
    Type(Field(kPasswordField), "secret1");
    Type(Field(kVerificationField), "secret1");
    Click(kSignOutButton);
    EXPECT_EQ(Sent(), (Wire{"08 F6 00 00 00 00 00 00 00"}));
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_TRUE(Field(kPasswordField)->text().isEmpty());
    EXPECT_TRUE(Field(kVerificationField)->text().isEmpty());
}

class LoginDialogTest : public CredentialDialogTest {
protected:
    void Open()
    {
        ReadLockState(session_);
        Sent();
        dialog_ = std::make_unique<LoginDialog>(session_, watcher_, Language::English);
        dialog_->show();
    }

    NoListener listener_;
    DeviceWatcher watcher_{session_.link, kStatusReportId, listener_, [](std::function<void()>) {}};
    std::unique_ptr<LoginDialog> dialog_;
};

TEST_F(LoginDialogTest, TheRightPasswordSignsInClosesAndMarksTheMouseFound)
{
    SetMousePassword("Zz9");
    watcher_.SetPresence(DevicePresence::Present);
    Open();
    EXPECT_EQ(dialog_->findChild<GroupFrame*>("1071")->title(), "Mouse PWD. Sign in");
    Type(dialog_->shownField(), "Zz9");
    QTest::mouseClick(dialog_->button(kSignInOkButton), Qt::LeftButton);
    EXPECT_EQ(test::NoticeOnScreen(), "Match Ok!");
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
    EXPECT_EQ(session_.state.siteModeOn, 1);
    EXPECT_EQ(watcher_.presence(), DevicePresence::JustDetected);
}

TEST_F(LoginDialogTest, EnterIsOkAndAWrongPasswordKeepsItOpenUntilEscape)
{
    SetMousePassword("Zz9");
    Open();
    Type(dialog_->shownField(), "Zz8");
    QTest::keyClick(dialog_->shownField(), Qt::Key_Return);
    EXPECT_EQ(Sent(), (Wire{"08 F1 ** ** ** ** ** ** **", "08 F2 ** ** ** ** ** ** **"}));
    EXPECT_EQ(test::NoticeOnScreen(), "Not Match!");
    EXPECT_TRUE(dialog_->isVisible());
    EXPECT_EQ(dialog_->shownField()->text(), "Zz8");
    QTest::keyClick(dialog_->shownField(), Qt::Key_Escape);
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
    EXPECT_EQ(session_.state.siteModeOn, 0);
}

TEST_F(LoginDialogTest, AShortPasswordModeMouseShowsOnlyTheShortField)
{
    SetMousePassword("Zz9");
    session_.keeper.Take(session_.commands.SignInMousePassword(*ToSecretUsages<12>("Zz9", kPasswordTableLength)));
    session_.keeper.Take(session_.commands.WriteShortPassword(*ToSecretUsages<6>("k1", kPasswordTableLength)));
    session_.keeper.Take(session_.commands.SignOut());
    Open();
    EXPECT_EQ(session_.state.mousePasswordMode, 1);
    EXPECT_EQ(dialog_->findChild<GroupFrame*>("1071")->title(), "Short PWD. Sign in");
    EXPECT_EQ(dialog_->shownField()->maxLength(), 6);
    EXPECT_FALSE(dialog_->findChild<QLineEdit*>("1018")->isVisible());
    Type(dialog_->shownField(), "k1");
    QTest::mouseClick(dialog_->button(kSignInOkButton), Qt::LeftButton);
    EXPECT_EQ(Sent(), (Wire{"08 FD ** ** ** ** ** ** **"}));
    EXPECT_EQ(test::NoticeOnScreen(), "Match Ok!");
}

TEST_F(LoginDialogTest, NoMouseIsToldAsSuchAndExitCancels)
{
    SetMousePassword("Zz9");
    Open();
    mouse_.Unplug();
    Type(dialog_->shownField(), "Zz9");
    QTest::mouseClick(dialog_->button(kSignInOkButton), Qt::LeftButton);
    EXPECT_EQ(test::NoticeOnScreen(), "No mouse found.");
    Type(dialog_->shownField(), "!");
    QTest::mouseClick(dialog_->button(kSignInOkButton), Qt::LeftButton);
    EXPECT_EQ(test::NoticeOnScreen(), "Invalid keys!");
    EXPECT_TRUE(dialog_->shownField()->text().isEmpty());
    QTest::mouseClick(dialog_->button(kSignInExitButton), Qt::LeftButton);
    EXPECT_EQ(dialog_->result(), QDialog::Rejected);
}

}  // namespace
}  // namespace qmb
