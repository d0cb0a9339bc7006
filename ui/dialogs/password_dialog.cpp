// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialogs/password_dialog.h"

#include <QLineEdit>

#include <array>
#include <map>

#include "actions/password_actions.h"
#include "protocol/device_session.h"
#include "ui/controls/color_static.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialog_framework/secret_field.h"
#include "ui/dialog_framework/tab_order.h"
#include "ui/dialogs/password_layout.h"
#include "ui/dialogs/result_notice.h"

namespace qmb {

namespace {

constexpr int kPasswordLength = 12;
constexpr int kShortPasswordLength = 6;

}  // namespace

PasswordDialog::PasswordDialog(DeviceSession& session, Language language, QWidget* parent)
    : SkinnedDialog(language, parent), session_(session)
{
    setObjectName("141");
    setFixedSize(UnitsToPixels(ForLanguage(language, kPasswordUnitsEnglish, kPasswordUnitsKorean)));
    CreateControls(language);
    FinishControls();
    // Typed, checked, then saved: the fields before the buttons beside them.
    OrderTabs(std::array<QWidget*, 7>{password_, shortPassword_, verification_, save_, shortPasswordButton_, signOut_,
                                      exit_});
    shortPassword_->hide();
    if (session_.state.mousePasswordEnrolled == 1) {
        group_->setTitle(tr("Update Mouse Password"));
        setWindowTitle(group_->title());
        save_->setText(tr("Modify PWD."));
    } else {
        save_->setText(tr("Save PWD."));
        // Signing out is offered only once there is a password to sign in
        // with.
        signOut_->hide();
    }
}

PasswordDialog::~PasswordDialog()
{
    WipeFields();
}

void PasswordDialog::CreateControls(Language language)
{
    const std::map<int, QString> texts{
        {kPasswordGroup, tr("Password Setting")},
        {kPasswordLabel, tr("PWD. Input")},
        {kVerificationLabel, tr("PWD. Verification")},
        {kShortPasswordButton, tr("Save Short PWD.")},
        {kSignOutButton, tr("Sign out")},
        {kExitPasswordButton, tr("Exit")},
    };
    const std::map<int, QString> tips{
        {kExitPasswordButton, tr("Exit.")},
        {kSavePasswordButton, tr("Save Mouse PWD.")},
        {kShortPasswordButton, tr("Save Short PWD.", "saving")},
        {kSignOutButton, tr("Sign Out.")},
    };
    const auto textOf = [](const std::map<int, QString>& table, int id) {
        return table.contains(id) ? table.at(id) : QString();
    };
    PlaceControls<PasswordKind>(kPasswordLayout, language, [&](const ControlPlace<PasswordKind>& place) -> QWidget* {
        switch (place.kind) {
        case PasswordKind::GroupBox:
            return group_ = AddGroup(textOf(texts, place.id));
        case PasswordKind::Label: {
            ColorStatic* label = AddLabel(textOf(texts, place.id));
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            if (place.id == kVerificationLabel) {
                verificationLabel_ = label;
            }
            return label;
        }
        case PasswordKind::Field:
            return MakeSecretField(this, place.id == kShortPasswordField ? kShortPasswordLength : kPasswordLength);
        case PasswordKind::Button:
            return AddButton(textOf(texts, place.id), textOf(tips, place.id));
        }
        return nullptr;
    });
    password_ = field(kPasswordField);
    verification_ = field(kVerificationField);
    shortPassword_ = field(kShortPasswordField);
    save_ = button(kSavePasswordButton);
    shortPasswordButton_ = button(kShortPasswordButton);
    signOut_ = button(kSignOutButton);
    exit_ = button(kExitPasswordButton);
    connect(save_, &QAbstractButton::clicked, this, &PasswordDialog::OnSavePassword);
    connect(shortPasswordButton_, &QAbstractButton::clicked, this, &PasswordDialog::OnShortPassword);
    connect(signOut_, &QAbstractButton::clicked, this, &PasswordDialog::OnSignOut);
    connect(exit_, &QAbstractButton::clicked, this, &QDialog::accept);
    connect(password_, &QLineEdit::textChanged, this, [this] { save_->setEnabled(true); });
}

void PasswordDialog::OnEnter(QWidget*)
{
    if (save_->isEnabled()) {
        save_->click();
    }
}

QLineEdit* PasswordDialog::field(int id) const
{
    return findChild<QLineEdit*>(QString::number(id));
}

void PasswordDialog::OnSavePassword()
{
    if (shortMode_) {
        SaveShortPassword();
        return;
    }
    const ActionResult result =
        SetMousePassword(session_, FieldText(*password_).text(), FieldText(*verification_).text());
    if (result == ActionResult::Done) {
        // Until the password is typed again, saving it twice sends nothing
        // new.
        save_->setEnabled(false);
        return;
    }
    // What the mouse did not take stays typed, for another try.
    ShowResultNotice(result);
    if (result == ActionResult::InvalidKeys) {
        WipeField(*password_);
        WipeField(*verification_);
    }
}

void PasswordDialog::SaveShortPassword()
{
    const ActionResult result = SetShortPassword(session_, FieldText(*shortPassword_).text());
    ShowResultNotice(result);
    // Sent, or refused for its characters, it leaves the field; one the
    // mouse could not be told stays for another try.
    if (result == ActionResult::Done || result == ActionResult::InvalidKeys) {
        WipeField(*shortPassword_);
    }
}

void PasswordDialog::OnShortPassword()
{
    if (shortMode_) {
        // The layout stays; the mouse's short password goes.
        shortMode_ = false;
        ShowResultNotice(DeleteShortPassword(session_));
        return;
    }
    shortMode_ = true;
    password_->hide();
    verification_->hide();
    verificationLabel_->hide();
    shortPassword_->show();
    group_->setTitle(tr("Set Short PWD."));
    save_->setText(session_.state.shortPasswordMode == 1 ? tr("Modify Short PWD.") : tr("Save Short PWD.", "saving"));
    shortPasswordButton_->setText(tr("Delete Short PWD."));
    // A password just saved left the button resting until its field
    // changes, and that field is gone now: the short password could never
    // be saved.
    save_->setEnabled(true);
    shortPassword_->setFocus();
}

void PasswordDialog::OnSignOut()
{
    ShowResultNotice(SignOut(session_));
    accept();
}

void PasswordDialog::done(int result)
{
    WipeFields();
    SkinnedDialog::done(result);
}

void PasswordDialog::WipeFields()
{
    for (QLineEdit* secret : {password_, verification_, shortPassword_}) {
        WipeField(*secret);
    }
}

}  // namespace qmb
