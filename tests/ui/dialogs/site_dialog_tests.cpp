// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The site dialog: a title to the settings, an ID and a password to the
// mouse only, and what the user is shown of them.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "device/report_trace.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "protocol/secret_bytes.h"
#include "protocol/usage_table.h"
#include "settings/site_titles.h"
#include "actions/site_actions.h"
#include "tests/settings/settings_sandbox.h"
#include "tests/support/notice_on_screen.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_platform.h"
#include "ui/controls/color_static.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/site_dialog.h"
#include "ui/dialogs/site_layout.h"

namespace qmb {
namespace {

using Wire = std::vector<std::string>;

class SiteDialogTest : public test::SettingsSandbox {
protected:
    void SetUp() override
    {
        SettingsSandbox::SetUp();
        mouse_.RecordSentReports();
        auto password = ToSecretUsages<12>("Ab1", kPasswordTableLength);
        session_.commands.WriteMousePassword(*password);
        session_.keeper.Take(session_.commands.SignInMousePassword(*password));
        mouse_.TakeSentReports();
    }

    void TearDown() override
    {
        dialog_.reset();
        test::HideNotices();
        SettingsSandbox::TearDown();
    }

    // The control box's way in: the site chosen, then selected on the mouse.
    void Open(int site)
    {
        session_.state.siteIndex = static_cast<uint8_t>(site - 1);
        session_.keeper.Take(session_.commands.SelectSite(static_cast<uint8_t>(0xAD + 2 * (site - 1))));
        mouse_.TakeSentReports();
        dialog_ = std::make_unique<SiteDialog>(session_, Language::English);
        dialog_->show();
    }

    Wire Sent()
    {
        Wire wire;
        for (const auto& report : mouse_.TakeSentReports()) {
            wire.push_back(FormatReport(report, SecretStartOfOutput(report)));
        }
        return wire;
    }

    void Enter(int field, const QString& text)
    {
        dialog_->field(field)->setText(text);
    }
    void Click(int id) { QTest::mouseClick(dialog_->button(id), Qt::LeftButton); }
    QString SlotName(int id) { return dialog_->slotName(id)->text(); }

    // Stores an ID and a password for a site straight on the mouse.
    void Enrol(int site, const char* id, const char* password)
    {
        session_.commands.SelectSite(static_cast<uint8_t>(0xAD + 2 * (site - 1)));
        if (id) {
            session_.commands.EnrollSiteId(*ToSecretUsages<12>(id, kIdTableLength));
        }
        if (password) {
            session_.commands.EnrollSitePassword(*ToSecretUsages<12>(password, kPasswordTableLength));
        }
    }

    EmulatedPlatform mouse_;
    DeviceSession session_{mouse_, 0};
    std::unique_ptr<SiteDialog> dialog_;
};

TEST_F(SiteDialogTest, ANewSiteGetsATitleAnIdAndThenAPassword)
{
    Open(31);
    // No title stored yet: the 31 sites are offered, the last one chosen.
    EXPECT_EQ(dialog_->titles()->count(), 31);
    EXPECT_EQ(dialog_->titles()->currentIndex(), 30);
    EXPECT_FALSE(dialog_->button(kSaveSitePasswordButton)->isEnabled());
    EXPECT_FALSE(dialog_->button(kDeleteIdButton)->isEnabled());
    EXPECT_EQ(SlotName(kIdSlotName), "등록 안됨");

    dialog_->titles()->setEditText("Mail");
    Enter(kIdField, "Me*A");
    Click(kSaveIdButton);
    // Saved, the site's entry is read again: the slot shows at once.
    EXPECT_EQ(Sent(), (Wire{"08 FE 01 E9 00 00 00 00 00", "08 F1 ** ** ** ** ** ** **", "08 F3 ** ** ** ** ** ** **",
                            "08 FF E9 00 00 00 00 00 00"}));
    EXPECT_EQ(SlotName(kIdSlotName), "별똥별");
    EXPECT_EQ(dialog_->button(kSaveIdButton)->text(), "Modify");
    mouse_.InspectMouse([](const emu::VirtualMouse& mouse) {
        EXPECT_EQ(mouse.memory()[0x41], 0x90);  // "M"
        EXPECT_EQ(mouse.memory()[0x43], 0xFE);  // "*"
        EXPECT_EQ(mouse.memory()[0x44], 0x84);  // "A"
    });
    EXPECT_EQ(LoadSiteTitles()->at(30), "Mail");
    EXPECT_TRUE(dialog_->button(kSaveSitePasswordButton)->isEnabled());

    Enter(kSitePasswordField, "pw*");
    Click(kSaveSitePasswordButton);
    EXPECT_EQ(test::NoticeOnScreen(), "Invalid keys!");
    EXPECT_TRUE(dialog_->field(kSitePasswordField)->text().isEmpty());
    Enter(kSitePasswordField, "pw9");
    Click(kSaveSitePasswordButton);
    // The site shown is selected again, so the password cannot go elsewhere.
    EXPECT_EQ(Sent(), (Wire{"08 FE 01 E9 00 00 00 00 00", "08 F1 ** ** ** ** ** ** **", "08 F4 ** ** ** ** ** ** **",
                            "08 FF E9 00 00 00 00 00 00"}));
    EXPECT_EQ(SlotName(kPasswordSlotName), "꽃미남");
}

TEST_F(SiteDialogTest, AnEmptyIdIsAskedForAndNothingIsSent)
{
    Open(1);
    Click(kSaveIdButton);
    EXPECT_EQ(test::NoticeOnScreen(), "Input ID.");
    EXPECT_TRUE(Sent().empty());
}

TEST_F(SiteDialogTest, ACompleteSiteShowsItsSlotsAndModifyAndChoosingAnotherReadsItsEntry)
{
    Enrol(5, "id5", "pw5");
    Enrol(6, "id6", nullptr);
    StoreSiteTitle(4, "Bank");
    Open(5);
    EXPECT_EQ(Sent(), (Wire{"08 FF B5 00 00 00 00 00 00"}));
    EXPECT_EQ(dialog_->titles()->currentText(), "Bank");
    EXPECT_EQ(SlotName(kIdSlotName), "별똥별");
    EXPECT_EQ(SlotName(kPasswordSlotName), "꽃미남");
    EXPECT_EQ(dialog_->button(kSaveIdButton)->text(), "Modify");
    EXPECT_EQ(dialog_->button(kSaveSitePasswordButton)->text(), "Modify");
    EXPECT_TRUE(dialog_->button(kDeleteIdButton)->isEnabled());
    // The password's Save waits for an ID save, enrolled or not.
    EXPECT_FALSE(dialog_->button(kSaveSitePasswordButton)->isEnabled());

    dialog_->titles()->setCurrentIndex(5);
    emit dialog_->titles()->activated(5);
    EXPECT_EQ(Sent(), (Wire{"08 FF B7 00 00 00 00 00 00"}));
    EXPECT_EQ(SlotName(kIdSlotName), "꽃잎");
    EXPECT_EQ(SlotName(kPasswordSlotName), "등록 안됨");
    EXPECT_EQ(dialog_->button(kSaveIdButton)->text(), "Modify");
    EXPECT_EQ(dialog_->button(kSaveSitePasswordButton)->text(), "Save");
    EXPECT_TRUE(dialog_->button(kDeleteIdButton)->isEnabled());
    EXPECT_FALSE(dialog_->button(kDeletePasswordButton)->isEnabled());
    EXPECT_EQ(session_.state.siteIdSlot, 2);
}

TEST_F(SiteDialogTest, DeletingEmptiesTheSlotWithTheMousesPausesAndKeepsTheTitle)
{
    Enrol(2, "id2", "pw2");
    StoreSiteTitle(1, "Shop");
    Open(2);
    Sent();
    const auto started = std::chrono::steady_clock::now();
    Click(kDeletePasswordButton);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1000));
    EXPECT_EQ(Sent(), (Wire{"08 71 ** ** ** ** ** ** **", "08 77 ** ** ** ** ** ** **", "08 AD 00 00 00 00 00 00 00",
                            "08 FF AF 00 00 00 00 00 00"}));
    EXPECT_EQ(SlotName(kPasswordSlotName), "등록 안됨");
    EXPECT_FALSE(dialog_->button(kDeletePasswordButton)->isEnabled());
    EXPECT_EQ(LoadSiteTitles()->at(1), "Shop");
    EXPECT_EQ(dialog_->titles()->currentText(), "Shop");
}

TEST_F(SiteDialogTest, AFullMouseSaysSoAndStoresNoTitle)
{
    for (int site = 1; site <= 4; ++site) {
        Enrol(site, "x", nullptr);
    }
    Open(9);
    dialog_->titles()->setEditText("Fifth");
    Enter(kIdField, "five");
    Click(kSaveIdButton);
    EXPECT_EQ(test::NoticeOnScreen(), "ID 등록 초과");
    EXPECT_FALSE(LoadSiteTitles().has_value());
    EXPECT_FALSE(dialog_->button(kSaveSitePasswordButton)->isEnabled());
}

TEST_F(SiteDialogTest, AnAssignedItemOfAnIncompleteSiteIsDeletedFromItsOwnSlot)
{
    Enrol(7, "id7", nullptr);
    Open(7);
    EXPECT_EQ(session_.state.siteComplete, 0);
    EXPECT_EQ(SlotName(kIdSlotName), "별똥별");
    Sent();
    Click(kDeleteIdButton);
    EXPECT_EQ(Sent().front(), "08 41 ** ** ** ** ** ** **");
    // Nothing enrolled for the password: its Delete is off and could send
    // nothing anyway.
    EXPECT_FALSE(dialog_->button(kDeletePasswordButton)->isEnabled());
}

TEST_F(SiteDialogTest, ATypedTitleLikeAnotherSitesNeverSwitchesToThatSite)
{
    Enrol(3, "id3", nullptr);
    StoreSiteTitle(2, "Mail");
    Open(5);
    QApplication::setActiveWindow(dialog_.get());
    dialog_->titles()->setFocus();
    dialog_->titles()->lineEdit()->clear();
    QTest::keyClicks(dialog_->titles()->lineEdit(), "mail");
    // On to the ID: the title's editing ends there.
    QTest::mouseClick(dialog_->field(kIdField), Qt::LeftButton);
    dialog_->field(kIdField)->setFocus();
    QTest::keyClicks(dialog_->field(kIdField), "new5");
    Sent();
    Click(kSaveIdButton);
    const Wire wire = Sent();
    ASSERT_FALSE(wire.empty());
    EXPECT_EQ(wire.front(), "08 FE 01 B5 00 00 00 00 00");
    EXPECT_EQ(LoadSiteTitles()->at(4), "mail");
    EXPECT_EQ(LoadSiteTitles()->at(2), "Mail");
}

TEST_F(SiteDialogTest, TheIdFieldLetsNoCopyOutAndEmptiesOnceTheMouseHasTheId)
{
    Open(6);
    QApplication::clipboard()->clear();
    QLineEdit* id = dialog_->field(kIdField);
    id->setFocus();
    QTest::keyClicks(id, "me*6");
    id->selectAll();
    for (const QKeySequence::StandardKey copy : {QKeySequence::Copy, QKeySequence::Cut}) {
        QTest::keySequence(id, copy);
    }
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    EXPECT_EQ(id->text(), "me*6");
    EXPECT_FALSE(id->dragEnabled());
    EXPECT_EQ(id->contextMenuPolicy(), Qt::NoContextMenu);
    QTest::keyClick(id, Qt::Key_Return);
    EXPECT_TRUE(id->text().isEmpty());
    EXPECT_EQ(SlotName(kIdSlotName), "별똥별");
}

TEST_F(SiteDialogTest, ASaveTheMouseNeverGotSaysSoAndKeepsWhatWasTyped)
{
    Open(4);
    Enter(kIdField, "me");
    mouse_.Unplug();
    dialog_->field(kIdField)->setFocus();
    QTest::keyClick(dialog_->field(kIdField), Qt::Key_Return);
    EXPECT_EQ(test::NoticeOnScreen(), "No mouse found.");
    EXPECT_EQ(dialog_->field(kIdField)->text(), "me");
    EXPECT_FALSE(dialog_->button(kSaveSitePasswordButton)->isEnabled());
    EXPECT_EQ(SlotName(kIdSlotName), "등록 안됨");
}

// A mouse whose site entry names slots no table knows.
using SiteDialogUnknownSlots = test::SettingsSandbox;

TEST_F(SiteDialogUnknownSlots, SaveAndDeleteAreOffAndTheSlotSaysWhy)
{
    test::ScriptedPlatform platform;
    platform.interfaces = test::ScriptedPlatform::TheMousesCollections();
    platform.responder = [](const auto& out) -> test::ScriptedPlatform::Report {
        return out[1] == 0xFF ? test::ScriptedPlatform::Report{8, 0xFF, 0x33, 0x44, 0, 0, 0, 0, 0}
                              : test::ScriptedPlatform::Report{8, 0xFE, 0xFF, 0xFF, 0, 0, 0, 0, 0};
    };
    DeviceSession session(platform, 0);
    session.keeper.TakeStatus({2, 3, 1, 0, 1, 1});
    SelectSite(session, 0);
    {
        const SiteDialog dialog(session, Language::English);
        for (int id : {kSaveIdButton, kDeleteIdButton, kSaveSitePasswordButton, kDeletePasswordButton}) {
            EXPECT_FALSE(dialog.button(id)->isEnabled()) << id;
        }
        EXPECT_NE(dialog.slotName(kIdSlotName)->toolTip().indexOf("does not know"), -1);
        EXPECT_NE(dialog.slotName(kPasswordSlotName)->toolTip().indexOf("does not know"), -1);
    }
}

TEST_F(SiteDialogTest, TheTitleCannotOutgrowItsTwelveCharactersAndTheFieldsEmptyOnClosing)
{
    Open(3);
    dialog_->titles()->setFocus();
    QTest::keyClicks(dialog_->titles(), "A title far too long");
    EXPECT_EQ(dialog_->titles()->currentText().size(), 12);
    Enter(kIdField, "someone");
    Enter(kSitePasswordField, "secret");
    Click(kExitSiteButton);
    EXPECT_TRUE(dialog_->field(kIdField)->text().isEmpty());
    EXPECT_TRUE(dialog_->field(kSitePasswordField)->text().isEmpty());
}

}  // namespace
}  // namespace qmb
