#include "ui/dialogs/site_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <map>

#include "ui/notice/notice_popup.h"
#include "ui/controls/color_static.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialog_framework/secret_field.h"
#include "settings/settings_keys.h"
#include "ui/dialogs/site_layout.h"
#include "settings/site_titles.h"
#include "protocol/device_session.h"
#include "protocol/site_tables.h"

namespace qmb {

namespace {

constexpr int kTextLength = 12;

}  // namespace

SiteDialog::SiteDialog(DeviceSession& session, Language language, QWidget* parent)
    : SkinnedDialog(parent), session_(session)
{
    setObjectName("155");
    // It keeps the user's attention above every other window while open.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setFixedSize(UnitsToPixels(kSiteUnits));
    CreateControls(language);
    ApplyControlColours();
    // A password goes to the site the mouse selected at the last ID save:
    // none yet.
    button(kSaveSitePasswordButton)->setEnabled(false);
    LoadTitles();

    const DeviceState& state = session_.state;
    SiteEntryRows rows;
    if (state.siteComplete == 1 || state.siteIdAssigned == 1 || state.sitePasswordAssigned == 1) {
        // An assigned item's slot is read, so that its Delete has a slot to
        // empty.
        rows = session_.keeper.Take(session_.commands.ReadSiteEntry(SiteAddress())).value;
    }
    if (state.siteComplete == 1) {
        ShowSiteItems(rows.idRow, rows.passwordRow, rows.idRow != 0, rows.passwordRow != 0);
    } else {
        ShowSiteItems(rows.idRow, rows.passwordRow, state.siteIdAssigned == 0, state.sitePasswordAssigned == 0);
    }
}

SiteDialog::~SiteDialog()
{
    WipeField(*field(kIdField));
    WipeField(*field(kSitePasswordField));
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
            return text;
        }
        case SiteKind::SecretField:
            return MakeSecretField(this, kTextLength);
        case SiteKind::Button:
            return AddButton(textOf(texts, place.id), textOf(tips, place.id));
        }
        return nullptr;
    });
    connect(titles(), &QComboBox::activated, this, &SiteDialog::OnSelectSite);
    connect(button(kSaveIdButton), &QAbstractButton::clicked, this, &SiteDialog::OnSaveId);
    connect(button(kDeleteIdButton), &QAbstractButton::clicked, this, &SiteDialog::OnDeleteId);
    connect(button(kSaveSitePasswordButton), &QAbstractButton::clicked, this, &SiteDialog::OnSavePassword);
    connect(button(kDeletePasswordButton), &QAbstractButton::clicked, this, &SiteDialog::OnDeletePassword);
    connect(button(kExitSiteButton), &QAbstractButton::clicked, this, &QDialog::accept);
}

QComboBox* SiteDialog::titles() const
{
    return list(kTitleList);
}

QLineEdit* SiteDialog::field(int id) const
{
    return findChild<QLineEdit*>(QString::number(id));
}

ColorStatic* SiteDialog::slotName(int id) const
{
    return findChild<ColorStatic*>(QString::number(id));
}

uint8_t SiteDialog::SiteAddress() const
{
    return static_cast<uint8_t>(SiteTable[session_.state.siteIndex].entryAddress);
}

void SiteDialog::LoadTitles()
{
    // Before any title is stored there are none to list; the 31 sites are
    // offered empty, so that the first title can be typed for one of them.
    const auto stored = LoadSiteTitles();
    const std::vector<std::string> shown = stored.value_or(std::vector<std::string>(kSiteSlotCount));
    titles()->clear();
    for (const auto& title : shown) {
        titles()->addItem(QString::fromStdString(title));
    }
    if (session_.state.siteIndex >= SiteTable.size()) {
        session_.state.siteIndex = 0;
    }
    titles()->setCurrentIndex(session_.state.siteIndex);
}

void SiteDialog::ShowSiteItems(uint8_t idRow, uint8_t passwordRow, bool idKnown, bool passwordKnown)
{
    // An item whose state is known shows it; one assigned but not known
    // keeps the template's "Save" with its Delete on.
    const auto show = [this](bool enrolled, ItemMode& mode, int save, int remove) {
        mode = enrolled ? ItemMode::Rewrite : ItemMode::Enrol;
        button(save)->setText(enrolled ? tr("Modify") : tr("Save", "not enrolled"));
        button(remove)->setEnabled(enrolled);
    };
    if (idKnown) {
        show(idRow != 0, idMode_, kSaveIdButton, kDeleteIdButton);
    }
    if (passwordKnown) {
        show(passwordRow != 0, passwordMode_, kSaveSitePasswordButton, kDeletePasswordButton);
    }
    ShowSlots(idRow, passwordRow);
}

void SiteDialog::ShowSlots(uint8_t idRow, uint8_t passwordRow)
{
    session_.state.siteIdSlot = idRow;
    session_.state.sitePasswordSlot = passwordRow;
    slotName(kIdSlotName)->setText(QString::fromUtf8(IdSlotNickname(idRow)));
    slotName(kPasswordSlotName)->setText(QString::fromUtf8(PasswordSlotNickname(passwordRow)));
}

void SiteDialog::OnSelectSite(int entry)
{
    if (entry < 0) {
        return;
    }
    session_.state.siteIndex = static_cast<uint8_t>(entry);
    const auto rows = session_.keeper.Take(session_.commands.ReadSiteEntry(SiteAddress())).value;
    // The password's Save keeps its state: it waits for an ID save.
    const bool passwordSaveOn = button(kSaveSitePasswordButton)->isEnabled();
    ShowSiteItems(rows.idRow, rows.passwordRow, true, true);
    button(kSaveSitePasswordButton)->setEnabled(passwordSaveOn);
}

void SiteDialog::OnSaveId()
{
    QLineEdit* id = field(kIdField);
    if (id->text().isEmpty()) {
        ShowFailureNotice(tr("Input PWD."));
        return;
    }
    session_.keeper.Take(session_.commands.SelectSite(SiteAddress()));
    const auto usages = FieldUsages<12>(*id, kIdTableLength);
    if (!usages) {
        ShowFailureNotice(tr("Invalid keys!"));
        WipeField(*id);
        return;
    }
    if (idMode_ == ItemMode::Rewrite) {
        session_.keeper.Take(session_.commands.WriteSiteIdSlot(session_.state.siteIdSlot, *usages));
    } else if (session_.keeper.Take(session_.commands.EnrollSiteId(*usages)).outcome == Outcome::NoFreeSlot) {
        ShowFailureNotice(QString::fromUtf8("ID 등록 초과"));
        return;
    }
    StoreTitle();
    button(kSaveSitePasswordButton)->setEnabled(true);
}

void SiteDialog::OnSavePassword()
{
    QLineEdit* password = field(kSitePasswordField);
    if (password->text().isEmpty()) {
        ShowFailureNotice(tr("Input PWD."));
        return;
    }
    const auto usages = FieldUsages<12>(*password);
    if (!usages) {
        ShowFailureNotice(tr("Invalid keys!"));
        WipeField(*password);
        return;
    }
    if (passwordMode_ == ItemMode::Rewrite) {
        session_.keeper.Take(session_.commands.WriteSitePasswordSlot(session_.state.sitePasswordSlot, *usages));
    } else if (session_.keeper.Take(session_.commands.EnrollSitePassword(*usages)).outcome == Outcome::NoFreeSlot) {
        ShowFailureNotice(QString::fromUtf8("패스워드 등록 초과"));
        return;
    }
    StoreTitle();
}

void SiteDialog::OnDeleteId()
{
    session_.keeper.Take(session_.commands.ClearSiteIdSlot(session_.state.siteIdSlot));
    StoreTitle();
}

void SiteDialog::OnDeletePassword()
{
    session_.keeper.Take(session_.commands.ClearSitePasswordSlot(session_.state.sitePasswordSlot));
    StoreTitle();
}

void SiteDialog::StoreTitle()
{
    StoreSiteTitle(session_.state.siteIndex, titles()->currentText().toStdString());
    LoadTitles();
}

void SiteDialog::done(int result)
{
    WipeField(*field(kIdField));
    WipeField(*field(kSitePasswordField));
    SkinnedDialog::done(result);
}

}  // namespace qmb
