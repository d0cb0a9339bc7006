#include "ui/dialogs/login_dialog.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <map>
#include <optional>

#include "ui/notice/notice_popup.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/login_layout.h"
#include "ui/dialog_framework/secret_field.h"
#include "device/device_watcher.h"
#include "protocol/device_session.h"

namespace qmb {

namespace {

constexpr int kPasswordLength = 12;
constexpr int kShortPasswordLength = 6;

// Whether the mouse took the field's password; none when a character was
// refused and nothing was sent.
template <size_t N>
std::optional<bool> SignInWith(DeviceSession& session, const QLineEdit& field,
                               Reply<StatusFields> (MouseCommands::*signIn)(const SecretUsages<N>&))
{
    const auto usages = FieldUsages<N>(field);
    if (!usages) {
        return std::nullopt;
    }
    return session.keeper.Take((session.commands.*signIn)(*usages)).ok();
}

}  // namespace

LoginDialog::LoginDialog(DeviceSession& session, DeviceWatcher& watcher, Language language, QWidget* parent)
    : SkinnedDialog(parent),
      session_(session),
      watcher_(watcher),
      asksShortPassword_(session.state.mousePasswordMode == 1)
{
    setObjectName("154");
    setFixedSize(UnitsToPixels(ForLanguage(language, kLoginUnitsEnglish, kLoginUnitsKorean)));
    CreateControls(language);
    ApplyControlColours();
    findChild<QLineEdit*>(QString::number(asksShortPassword_ ? kSignInPasswordField : kSignInShortField))->hide();
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
    connect(button(kSignInOkButton), &QAbstractButton::clicked, this, &LoginDialog::OnSignIn);
    connect(button(kSignInExitButton), &QAbstractButton::clicked, this, &QDialog::reject);
}

QLineEdit* LoginDialog::shownField() const
{
    return findChild<QLineEdit*>(QString::number(asksShortPassword_ ? kSignInShortField : kSignInPasswordField));
}

void LoginDialog::OnSignIn()
{
    QLineEdit* field = shownField();
    if (field->text().isEmpty()) {
        ShowFailureNotice(tr("Input PWD."));
        return;
    }
    const std::optional<bool> accepted =
        asksShortPassword_ ? SignInWith<kShortPasswordLength>(session_, *field, &MouseCommands::SignInShortPassword)
                           : SignInWith<kPasswordLength>(session_, *field, &MouseCommands::SignInMousePassword);
    if (!accepted) {
        ShowFailureNotice(tr("Invalid keys!"));
        WipeField(*field);
        return;
    }
    if (!*accepted) {
        // A mouse that does not answer cannot be told from one that says no.
        ShowFailureNotice(tr("Not Match!"));
        return;
    }
    // The mouse answered with its state, signed in; the watcher's next find
    // of it is no new arrival.
    watcher_.SetPresence(DevicePresence::JustDetected);
    ShowNotice(tr("Match Ok!"), kSignInNoticeColour, kNoticeMilliseconds);
    accept();
}

void LoginDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnSignIn();
        accept();
        return;
    default:
        SkinnedDialog::keyPressEvent(event);
    }
}

void LoginDialog::done(int result)
{
    WipeFields();
    SkinnedDialog::done(result);
}

void LoginDialog::WipeFields()
{
    for (const int id : {kSignInPasswordField, kSignInShortField}) {
        if (auto* field = findChild<QLineEdit*>(QString::number(id))) {
            WipeField(*field);
        }
    }
}

}  // namespace qmb
