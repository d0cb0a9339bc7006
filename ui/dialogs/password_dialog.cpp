#include "ui/dialogs/password_dialog.h"

#include <QLineEdit>

#include <map>

#include "ui/notice/notice_popup.h"
#include "ui/controls/color_static.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/password_layout.h"
#include "ui/dialog_framework/secret_field.h"
#include "protocol/device_session.h"

namespace qmb {

namespace {

constexpr int kPasswordLength = 12;
constexpr int kShortPasswordLength = 6;

}  // namespace

PasswordDialog::PasswordDialog(DeviceSession& session, Language language, QWidget* parent)
    : SkinnedDialog(parent), session_(session)
{
    setObjectName("141");
    setFixedSize(UnitsToPixels(ForLanguage(language, kPasswordUnitsEnglish, kPasswordUnitsKorean)));
    CreateControls(language);
    ApplyControlColours();
    field(kShortPasswordField)->hide();
    if (session_.state.mousePasswordEnrolled == 1) {
        findChild<GroupFrame*>(QString::number(kPasswordGroup))->setTitle(tr("Update Mouse Password"));
        button(kSavePasswordButton)->setText(tr("Modify PWD."));
    } else {
        button(kSavePasswordButton)->setText(tr("Save PWD."));
        // Signing out is offered only once there is a password to sign in
        // with.
        button(kSignOutButton)->hide();
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
            return AddGroup(textOf(texts, place.id));
        case PasswordKind::Label: {
            ColorStatic* label = AddLabel(textOf(texts, place.id));
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            return label;
        }
        case PasswordKind::Field:
            return MakeSecretField(this, place.id == kShortPasswordField ? kShortPasswordLength : kPasswordLength);
        case PasswordKind::Button:
            return AddButton(textOf(texts, place.id), textOf(tips, place.id));
        }
        return nullptr;
    });
    connect(button(kSavePasswordButton), &QAbstractButton::clicked, this, &PasswordDialog::OnSavePassword);
    connect(button(kShortPasswordButton), &QAbstractButton::clicked, this, &PasswordDialog::OnShortPassword);
    connect(button(kSignOutButton), &QAbstractButton::clicked, this, &PasswordDialog::OnSignOut);
    connect(button(kExitPasswordButton), &QAbstractButton::clicked, this, &QDialog::accept);
    connect(field(kPasswordField), &QLineEdit::textChanged, this,
            [this] { button(kSavePasswordButton)->setEnabled(true); });
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
    QLineEdit* password = field(kPasswordField);
    QLineEdit* verification = field(kVerificationField);
    if (password->text().isEmpty() || verification->text().isEmpty()) {
        ShowFailureNotice(tr("Input PWD."));
        return;
    }
    if (password->text() != verification->text()) {
        ShowFailureNotice(tr("Not Match!"));
        return;
    }
    const auto usages = FieldUsages<kPasswordLength>(*password);
    if (!usages) {
        ShowFailureNotice(tr("Invalid keys!"));
        WipeField(*password);
        WipeField(*verification);
        return;
    }
    session_.keeper.Take(session_.commands.WriteMousePassword(*usages));
    // Until the password is typed again, saving it twice sends nothing new.
    button(kSavePasswordButton)->setEnabled(false);
}

void PasswordDialog::SaveShortPassword()
{
    QLineEdit* shortPassword = field(kShortPasswordField);
    if (shortPassword->text().isEmpty()) {
        ShowFailureNotice(tr("Input PWD."));
        return;
    }
    if (const auto usages = FieldUsages<kShortPasswordLength>(*shortPassword)) {
        session_.keeper.Take(session_.commands.WriteShortPassword(*usages));
    } else {
        ShowFailureNotice(tr("Invalid keys!"));
    }
    WipeField(*shortPassword);
}

void PasswordDialog::OnShortPassword()
{
    if (shortMode_) {
        // The layout stays; the mouse's short password goes.
        shortMode_ = false;
        session_.keeper.Take(session_.commands.ClearShortPassword());
        return;
    }
    shortMode_ = true;
    field(kPasswordField)->hide();
    field(kVerificationField)->hide();
    findChild<ColorStatic*>(QString::number(kVerificationLabel))->hide();
    QLineEdit* shortPassword = field(kShortPasswordField);
    shortPassword->show();
    findChild<GroupFrame*>(QString::number(kPasswordGroup))->setTitle(tr("Set Short PWD."));
    button(kSavePasswordButton)->setText(session_.state.shortPasswordMode == 1 ? tr("Modify Short PWD.")
                                                                               : tr("Save Short PWD.", "saving"));
    button(kShortPasswordButton)->setText(tr("Delete Short PWD."));
    // A password just saved left the button resting until its field
    // changes, and that field is gone now: the short password could never
    // be saved.
    button(kSavePasswordButton)->setEnabled(true);
    shortPassword->setFocus();
}

void PasswordDialog::OnSignOut()
{
    session_.keeper.Take(session_.commands.SignOut());
    accept();
}

void PasswordDialog::done(int result)
{
    WipeFields();
    SkinnedDialog::done(result);
}

void PasswordDialog::WipeFields()
{
    for (const int id : {kPasswordField, kVerificationField, kShortPasswordField}) {
        if (QLineEdit* secret = field(id)) {
            WipeField(*secret);
        }
    }
}

}  // namespace qmb
