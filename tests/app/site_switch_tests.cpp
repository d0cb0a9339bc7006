// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The web-site box and the "PWD" button: which dialog they lead to, what
// goes to the mouse on the way, and that no password is left anywhere.

#include <QApplication>
#include <QDirIterator>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>

#include "protocol/secret_bytes.h"
#include "protocol/usage_table.h"
#include "settings/site_titles.h"
#include "tests/app/control_box_fixture.h"
#include "tests/support/notice_on_screen.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/login_layout.h"
#include "ui/dialogs/password_layout.h"
#include "ui/dialogs/site_layout.h"

namespace qmb::test {
namespace {

constexpr const char* kSecret = "QmbSecret42";
// Its first usages, as a trace would print them unmasked.
constexpr const char* kSecretUsages = "94 10 05 96";

class SiteSwitchTest : public ControlBoxFixture {
protected:
    void StartInFunctionMode()
    {
        Start(0);
        QTest::mouseClick(box().button(kFunctionModeButton), Qt::LeftButton);
        Wire();
    }

    // Runs `action`; a dialog it opens is handed to `inside` while it is
    // open, then closed by `inside` or cancelled. The opened dialog's id,
    // or nothing.
    QString OpenedBy(const std::function<void()>& action, const std::function<void(QWidget*)>& inside = {})
    {
        QString opened;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                return;
            }
            opened = modal->objectName();
            if (inside) {
                inside(modal);
            }
            if (modal->isVisible()) {
                QMetaObject::invokeMethod(modal, "reject");
            }
        });
        action();
        QCoreApplication::processEvents();
        return opened;
    }

    void Tick() { QTest::mouseClick(box().siteModeCheck(), Qt::LeftButton); }

    static void Fill(QWidget* dialog, int field, const QString& text)
    {
        auto* edit = dialog->findChild<QLineEdit*>(QString::number(field));
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }

    static void Press(QWidget* dialog, int button)
    {
        QTest::mouseClick(dialog->findChild<SkinButton*>(QString::number(button)), Qt::LeftButton);
    }

    void SignInDirectly(const char* password)
    {
        auto usages = ToSecretUsages<12>(password, kPasswordTableLength);
        session_->commands.WriteMousePassword(*usages);
        session_->commands.SignInMousePassword(*usages);
    }
};

TEST_F(SiteSwitchTest, AMouseWithoutTheFeatureIsSaidSoAndTheBoxStaysUnticked)
{
    StartInFunctionMode();
    EmulatedPlatform::Faults garbled;
    garbled.garbageReply = true;
    mouse_->SetFaults(garbled);
    EXPECT_TRUE(OpenedBy([&] { Tick(); }).isEmpty());
    EXPECT_EQ(NoticeOnScreen(), "Not support !");
    EXPECT_FALSE(box().siteModeCheck()->isChecked());
    EXPECT_EQ(Wire(), (std::vector<std::string>{"08 F5 00 00 00 00 00 00 00"}));
}

TEST_F(SiteSwitchTest, WithoutAPasswordTheBoxOpensThePasswordDialogWithOneTheSignIn)
{
    StartInFunctionMode();
    EXPECT_EQ(OpenedBy([&] { Tick(); }), "141");
    EXPECT_FALSE(box().siteModeCheck()->isChecked());

    SignInDirectly("abc1");
    session_->commands.SignOut();
    Wire();
    // Exit in the sign-in dialog: the box unticks.
    EXPECT_EQ(OpenedBy([&] { Tick(); }), "154");
    EXPECT_FALSE(box().siteModeCheck()->isChecked());
    EXPECT_EQ(program_->device().watcher()->StartWatcher(), 0);
}

TEST_F(SiteSwitchTest, AMouseSignedInAlreadyOpensNothingAndIsNotWrittenTo)
{
    StartInFunctionMode();
    SignInDirectly("abc1");
    state().siteModeOn = 0;
    box().siteModeCheck()->setChecked(false);
    Wire();
    EXPECT_TRUE(OpenedBy([&] { Tick(); }).isEmpty());
    const auto wire = Wire();
    EXPECT_EQ(wire, (std::vector<std::string>{"08 F5 00 00 00 00 00 00 00", "08 FF F9 2F 00 00 00 00 00",
                                               "08 FA 00 00 00 00 00 00 00"}));
    EXPECT_EQ(state().siteModeOn, 1);
}

TEST_F(SiteSwitchTest, PwdOpensThePasswordDialogOnlyWhileSignedIn)
{
    StartInFunctionMode();
    EXPECT_TRUE(OpenedBy([&] { QTest::mouseClick(box().button(kPasswordButton), Qt::LeftButton); }).isEmpty());
    EXPECT_TRUE(Wire().empty());
    SignInDirectly("abc1");
    state().siteModeOn = 1;
    EXPECT_EQ(OpenedBy([&] { QTest::mouseClick(box().button(kPasswordButton), Qt::LeftButton); }), "141");
}

TEST_F(SiteSwitchTest, SignedOutTheListAsksOnlyTheLockFlagsAndTheTrayCommandAsksForASignIn)
{
    StoreSiteTitle(2, "Mail");
    StartInFunctionMode();
    ASSERT_EQ(box().siteCombo()->count(), 31);
    EXPECT_TRUE(OpenedBy([&] {
                    box().siteCombo()->setCurrentIndex(2);
                    emit box().siteCombo()->activated(2);
                }).isEmpty());
    EXPECT_EQ(Wire(), (std::vector<std::string>{"08 FA 00 00 00 00 00 00 00"}));
    EXPECT_EQ(box().siteCombo()->currentIndex(), 2);
    EXPECT_EQ(state().siteIndex, 2);

    // The way in is the web-site box's: here, a first password.
    EXPECT_EQ(OpenedBy([&] { program_->trayMenu().enrollSiteAction()->trigger(); }), "141");
    const auto wire = Wire();
    ASSERT_GE(wire.size(), 2u);
    EXPECT_EQ(wire[0], "08 FA 00 00 00 00 00 00 00");
    EXPECT_EQ(wire[1], "08 F5 00 00 00 00 00 00 00");

    // In button mode the box is off, and the command says what is missing.
    QTest::mouseClick(box().button(kButtonModeButton), Qt::LeftButton);
    EXPECT_TRUE(OpenedBy([&] { program_->trayMenu().enrollSiteAction()->trigger(); }).isEmpty());
    EXPECT_EQ(NoticeOnScreen(), "Sign in first.");
}

TEST_F(SiteSwitchTest, WhileSignedInAnIncompleteSiteOpensTheSiteDialogAndTheTrayCommandAnyOne)
{
    StoreSiteTitle(2, "Mail");
    StartInFunctionMode();
    SignInDirectly("abc1");
    Wire();
    EXPECT_EQ(OpenedBy([&] {
                  box().siteCombo()->setCurrentIndex(2);
                  emit box().siteCombo()->activated(2);
              }),
              "155");
    const auto wire = Wire();
    ASSERT_GE(wire.size(), 2u);
    EXPECT_EQ(wire[1], "08 FE 01 B1 00 00 00 00 00");
    EXPECT_EQ(box().siteCombo()->currentIndex(), 2);
    EXPECT_EQ(OpenedBy([&] { program_->trayMenu().enrollSiteAction()->trigger(); }), "155");
    EXPECT_EQ(box().siteCombo()->currentIndex(), -1);
}

TEST_F(SiteSwitchTest, EveryPasswordFlowLeavesThePasswordNowhere)
{
    std::string traced;
    ReportTrace trace([&](std::string_view line) { (traced += line) += '\n'; }, kMouseSecrets);
    StartInFunctionMode();
    session_->link.SetTrace(&trace);

    // A first password through the web-site box.
    OpenedBy([&] { Tick(); },
             [&](QWidget* passwords) {
                 Fill(passwords, kPasswordField, kSecret);
                 Fill(passwords, kVerificationField, kSecret);
                 Press(passwords, kSavePasswordButton);
                 Press(passwords, kExitPasswordButton);
             });
    // A sign-in with it.
    OpenedBy([&] { Tick(); },
             [&](QWidget* signIn) {
                 Fill(signIn, kSignInPasswordField, kSecret);
                 Press(signIn, kSignInOkButton);
             });
    ASSERT_EQ(state().siteModeOn, 1) << traced;
    // A short password through "PWD".
    OpenedBy([&] { QTest::mouseClick(box().button(kPasswordButton), Qt::LeftButton); },
             [&](QWidget* passwords) {
                 Press(passwords, kShortPasswordButton);
                 Fill(passwords, kShortPasswordField, "Qmb42");
                 Press(passwords, kSavePasswordButton);
                 Press(passwords, kExitPasswordButton);
             });

    // A site's ID and password.
    OpenedBy([&] { program_->trayMenu().enrollSiteAction()->trigger(); },
             [&](QWidget* site) {
                 site->findChild<QLineEdit*>(QString::number(kIdField))->setText(kSecret);
                 Press(site, kSaveIdButton);
                 site->findChild<QLineEdit*>(QString::number(kSitePasswordField))->setText(kSecret);
                 Press(site, kSaveSitePasswordButton);
                 Press(site, kExitSiteButton);
             });

    ASSERT_NE(traced.find("> 08 F2 ** ** ** ** ** ** **"), std::string::npos) << traced;
    ASSERT_NE(traced.find("> 08 F4 ** ** ** ** ** ** **"), std::string::npos) << traced;
    EXPECT_EQ(traced.find(kSecretUsages), std::string::npos) << traced;
    EXPECT_EQ(traced.find(kSecret), std::string::npos);
    QDirIterator files(config_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        EXPECT_FALSE(contents.contains(kSecret)) << file.fileName().toStdString();
        EXPECT_FALSE(contents.contains("Qmb42")) << file.fileName().toStdString();
        EXPECT_FALSE(contents.toUpper().contains(QByteArray(kSecretUsages).replace(' ', ""))) << file.fileName().toStdString();
    }
    session_->link.SetTrace(nullptr);
}

}  // namespace
}  // namespace qmb::test
