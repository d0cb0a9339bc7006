// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialogs/login_dialog.h"

#include <QLineEdit>

#include <map>

#include "actions/password_actions.h"
#include "device/device_watcher.h"
#include "protocol/device_session.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialog_framework/secret_field.h"
#include "ui/dialogs/login_layout.h"
#include "ui/dialogs/result_notice.h"
#include "ui/notice/notice_popup.h"

namespace qmb {

namespace {

constexpr int kPasswordLength = 12;
constexpr int kShortPasswordLength = 6;

}  // namespace

LoginDialog::LoginDialog(DeviceSession& session, DeviceWatcher& watcher, Language language, QWidget* parent)
    : SkinnedDialog(language, parent),
      session_(session),
      watcher_(watcher),
      asksShortPassword_(SignInAsksShortPassword(session.state))
{
    setObjectName("154");
    setFixedSize(UnitsToPixels(ForLanguage(language, kLoginUnitsEnglish, kLoginUnitsKorean)));
    CreateControls(language);
    FinishControls();
    (asksShortPassword_ ? password_ : shortPassword_)->hide();
    shownField()->setFocus();
}

LoginDialog::~LoginDialog()
{
    WipeFields();
}

void LoginDialog::CreateControls(Language language)
{
    const std::map<int, QString> texts{
        {kSignInGroup, asksShortPassword_ ? tr("Short PWD. Sign in") : tr("Mouse PWD. Sign in")},
        {kSignInOkButton, tr("Ok")},
        {kSignInExitButton, tr("Exit")},
    };
    const std::map<int, QString> tips{
        {kSignInOkButton, tr("Sign in")},
        {kSignInExitButton, tr("Cancel Sign in.")},
    };
    PlaceControls<LoginKind>(kLoginLayout, language, [&](const ControlPlace<LoginKind>& place) -> QWidget* {
        switch (place.kind) {
        case LoginKind::GroupBox:
            return AddGroup(texts.at(place.id));
        case LoginKind::Field:
            return MakeSecretField(this, place.id == kSignInShortField ? kShortPasswordLength : kPasswordLength);
        case LoginKind::Button:
            return AddButton(texts.at(place.id), tips.at(place.id));
        }
        return nullptr;
    });
    password_ = findChild<QLineEdit*>(QString::number(kSignInPasswordField));
    shortPassword_ = findChild<QLineEdit*>(QString::number(kSignInShortField));
    connect(button(kSignInOkButton), &QAbstractButton::clicked, this, &LoginDialog::OnSignIn);
    connect(button(kSignInExitButton), &QAbstractButton::clicked, this, &QDialog::reject);
}

void LoginDialog::OnSignIn()
{
    QLineEdit* field = shownField();
    const ActionResult result = SignIn(session_, FieldText(*field).text());
    if (result == ActionResult::Done) {
        // The mouse answered with its state, signed in; the watcher's next
        // find of it is no new arrival.
        watcher_.SetPresence(DevicePresence::JustDetected);
        ShowNotice(tr("Match Ok!"), kSignInNoticeColour, kNoticeMilliseconds);
        accept();
        return;
    }
    // A mouse that is gone or silent is told as such, not as a wrong
    // password.
    ShowResultNotice(result);
    if (result == ActionResult::InvalidKeys) {
        WipeField(*field);
    }
}

void LoginDialog::OnEnter(QWidget*)
{
    OnSignIn();
}

void LoginDialog::done(int result)
{
    WipeFields();
    SkinnedDialog::done(result);
}

void LoginDialog::WipeFields()
{
    for (QLineEdit* field : {password_, shortPassword_}) {
        WipeField(*field);
    }
}

}  // namespace qmb
