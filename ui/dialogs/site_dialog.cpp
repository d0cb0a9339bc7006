// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialogs/site_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <array>
#include <map>

#include "actions/site_actions.h"
#include "protocol/device_session.h"
#include "protocol/site_tables.h"
#include "settings/settings_keys.h"
#include "settings/site_titles.h"
#include "ui/controls/color_static.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialog_framework/secret_field.h"
#include "ui/dialog_framework/tab_order.h"
#include "ui/dialogs/result_notice.h"
#include "ui/dialogs/site_layout.h"
#include "ui/notice/notice_popup.h"

namespace qmb {

namespace {

constexpr int kTextLength = 12;

}  // namespace

SiteDialog::SiteDialog(DeviceSession& session, Language language, QWidget* parent)
    : SkinnedDialog(language, parent), session_(session)
{
    setObjectName("155");
    // It keeps the user's attention above every other window while open.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(UnitsToPixels(kSiteUnits));
    CreateControls(language);
    FinishControls();
    // Each field before the buttons that act on it, although "Save" sits a
    // line above it.
    OrderTabs(std::array<QWidget*, 8>{titles_, id_, saveId_, deleteId_, password_, savePassword_, deletePassword_,
                                      button(kExitSiteButton)});
    LoadTitles();

    LoadSiteSlots(session_);
    const DeviceState& state = session_.state;
    if (state.siteComplete == 1) {
        ShowSiteItems(state.siteIdSlot != 0, state.sitePasswordSlot != 0);
    } else {
        // An assigned item not yet known keeps the template's "Save" with
        // its Delete on.
        ShowSiteItems(state.siteIdAssigned == 0, state.sitePasswordAssigned == 0);
    }
}

SiteDialog::~SiteDialog()
{
    WipeFields();
}

void SiteDialog::CreateControls(Language language)
{
    const std::map<int, QString> texts{
        {kSiteGroup, tr("Internet Password Setting")},
        {kTitleLabel, tr("Title :")},
        {kBeforeIdLabel, tr("Before ID :")},
        {kIdLabel, tr("ID :")},
        {kBeforePasswordLabel, tr("Before PWD :")},
        {kSitePasswordLabel, tr("PWD :")},
        {kSaveIdButton, tr("Save")},
        {kDeleteIdButton, tr("Delete")},
        {kSaveSitePasswordButton, tr("Save")},
        {kDeletePasswordButton, tr("Delete")},
        {kExitSiteButton, tr("Exit")},
    };
    const std::map<int, QString> tips{
        {kSaveSitePasswordButton, tr("Save PWD.")},   {kDeletePasswordButton, tr("Delete PWD.")},
        {kSaveIdButton, tr("Save ID")},               {kDeleteIdButton, tr("Delete ID")},
        {kExitSiteButton, tr("Finish work.")},
    };
    const auto textOf = [](const std::map<int, QString>& table, int id) {
        return table.contains(id) ? table.at(id) : QString();
    };
    PlaceControls<SiteKind>(kSiteLayout, language, [&](const ControlPlace<SiteKind>& place) -> QWidget* {
        switch (place.kind) {
        case SiteKind::GroupBox:
            return AddGroup(textOf(texts, place.id));
        case SiteKind::Label: {
            auto* label = new QLabel(textOf(texts, place.id), this);
            label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            return label;
        }
        case SiteKind::TitleList: {
            QComboBox* list = AddList();
            list->setEditable(true);
            list->setInsertPolicy(QComboBox::NoInsert);
            list->lineEdit()->setMaxLength(kTextLength);
            // A typed title names the site shown; only a choice from the
            // list shows another. Qt would otherwise complete the text to
            // another site's title, and on leaving the field switch to the
            // site whose title it matches.
            list->setCompleter(nullptr);
            disconnect(list->lineEdit(), &QLineEdit::editingFinished, list, nullptr);
            return list;
        }
        case SiteKind::SlotName: {
            ColorStatic* name = AddLabel({});
            name->setFrameShape(QFrame::Panel);
            name->setFrameShadow(QFrame::Sunken);
            return name;
        }
        case SiteKind::Field: {
            auto* text = new QLineEdit(this);
            text->setMaxLength(kTextLength);
            KeepFieldPrivate(*text);
            return text;
        }
        case SiteKind::SecretField:
            return MakeSecretField(this, kTextLength);
        case SiteKind::Button:
            return AddButton(textOf(texts, place.id), textOf(tips, place.id));
        }
        return nullptr;
    });
    titles_ = list(kTitleList);
    id_ = field(kIdField);
    password_ = field(kSitePasswordField);
    idSlotName_ = slotName(kIdSlotName);
    passwordSlotName_ = slotName(kPasswordSlotName);
    saveId_ = button(kSaveIdButton);
    deleteId_ = button(kDeleteIdButton);
    savePassword_ = button(kSaveSitePasswordButton);
    deletePassword_ = button(kDeletePasswordButton);
    connect(titles_, &QComboBox::activated, this, &SiteDialog::OnSelectSite);
    connect(saveId_, &QAbstractButton::clicked, this, &SiteDialog::OnSaveId);
    connect(deleteId_, &QAbstractButton::clicked, this, &SiteDialog::OnDeleteId);
    connect(savePassword_, &QAbstractButton::clicked, this, &SiteDialog::OnSavePassword);
    connect(deletePassword_, &QAbstractButton::clicked, this, &SiteDialog::OnDeletePassword);
    connect(button(kExitSiteButton), &QAbstractButton::clicked, this, &QDialog::accept);
}

QLineEdit* SiteDialog::field(int id) const
{
    return findChild<QLineEdit*>(QString::number(id));
}

ColorStatic* SiteDialog::slotName(int id) const
{
    return findChild<ColorStatic*>(QString::number(id));
}

void SiteDialog::OnEnter(QWidget* focus)
{
    SkinButton* save = focus == id_ ? saveId_ : focus == password_ ? savePassword_ : nullptr;
    if (save && save->isEnabled()) {
        save->click();
    }
}

void SiteDialog::LoadTitles()
{
    // Before any title is stored there are none to list; the 31 sites are
    // offered empty, so that the first title can be typed for one of them.
    const auto stored = LoadSiteTitles();
    const std::vector<std::string> shown = stored.value_or(std::vector<std::string>(kSiteSlotCount));
    titles_->clear();
    for (const auto& title : shown) {
        titles_->addItem(QString::fromStdString(title));
    }
    titles_->setCurrentIndex(session_.state.siteIndex);
}

void SiteDialog::ShowSiteItems(bool idKnown, bool passwordKnown)
{
    const DeviceState& state = session_.state;
    const auto show = [&](SiteItem item, uint8_t row, SkinButton* save, SkinButton* remove) {
        save->setText(row != 0 ? tr("Modify") : tr("Save", "not enrolled"));
        remove->setEnabled(row != 0 && SiteHasSlot(state, item));
    };
    if (idKnown) {
        show(SiteItem::Id, state.siteIdSlot, saveId_, deleteId_);
    }
    if (passwordKnown) {
        show(SiteItem::Password, state.sitePasswordSlot, savePassword_, deletePassword_);
    }
    idSlotName_->setText(QString::fromUtf8(IdSlotNickname(state.siteIdSlot)));
    passwordSlotName_->setText(QString::fromUtf8(PasswordSlotNickname(state.sitePasswordSlot)));
    ShowUnknownSlots();
}

void SiteDialog::ShowUnknownSlots()
{
    const DeviceState& state = session_.state;
    // A slot the mouse names but no table knows can be neither rewritten
    // nor emptied: whatever Save or Delete sent would land elsewhere.
    const QString why = tr("The mouse keeps this in a slot this program does not know: it cannot be changed here.");
    const bool idUnknown = state.siteIdSlot != 0 && !SiteHasSlot(state, SiteItem::Id);
    const bool passwordUnknown = state.sitePasswordSlot != 0 && !SiteHasSlot(state, SiteItem::Password);
    saveId_->setEnabled(!idUnknown);
    savePassword_->setEnabled(idSaved_ && !passwordUnknown);
    idSlotName_->setToolTip(idUnknown ? why : QString());
    passwordSlotName_->setToolTip(passwordUnknown ? why : QString());
}

void SiteDialog::OnSelectSite(int entry)
{
    if (entry < 0) {
        return;
    }
    ShowSite(session_, entry);
    ShowSiteItems(true, true);
}

bool SiteDialog::Save(SiteItem item, QLineEdit& field, const QString& noFreeSlot)
{
    const ActionResult result = SaveSiteSecret(session_, item, FieldText(field).text());
    switch (result) {
    case ActionResult::EmptyInput:
        ShowFailureNotice(item == SiteItem::Id ? tr("Input ID.") : tr("Input PWD."));
        return false;
    case ActionResult::InvalidKeys:
        ShowResultNotice(result);
        WipeField(field);
        return false;
    case ActionResult::NoFreeSlot:
        ShowFailureNotice(noFreeSlot);
        return false;
    default:
        break;
    }
    // Whatever the mouse made of it, the title is the user's.
    StoreTitle();
    ShowOutcome(result);
    // The mouse has the ID now; the field need not show it any longer.
    if (result == ActionResult::Done && item == SiteItem::Id) {
        WipeField(field);
    }
    return result == ActionResult::Done;
}

void SiteDialog::ShowOutcome(ActionResult result)
{
    if (result != ActionResult::Done) {
        ShowResultNotice(result);
        return;
    }
    // The slot the mouse now uses, at once.
    ShowSite(session_, session_.state.siteIndex);
    ShowSiteItems(true, true);
}

void SiteDialog::OnSaveId()
{
    if (Save(SiteItem::Id, *id_, QString::fromUtf8("ID 등록 초과"))) {
        idSaved_ = true;
        ShowUnknownSlots();
    }
}

void SiteDialog::OnSavePassword()
{
    Save(SiteItem::Password, *password_, QString::fromUtf8("패스워드 등록 초과"));
}

void SiteDialog::OnDeleteId()
{
    const ActionResult result = DeleteSiteSecret(session_, SiteItem::Id);
    StoreTitle();
    ShowOutcome(result);
}

void SiteDialog::OnDeletePassword()
{
    const ActionResult result = DeleteSiteSecret(session_, SiteItem::Password);
    StoreTitle();
    ShowOutcome(result);
}

void SiteDialog::StoreTitle()
{
    StoreSiteTitle(session_.state.siteIndex, titles_->currentText().toStdString());
    LoadTitles();
}

void SiteDialog::done(int result)
{
    WipeFields();
    SkinnedDialog::done(result);
}

void SiteDialog::WipeFields()
{
    WipeField(*id_);
    WipeField(*password_);
}

}  // namespace qmb
