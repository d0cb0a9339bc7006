// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/controls/language.h"
#include "ui/dialog_framework/skinned_dialog.h"

class QComboBox;
class QLineEdit;

namespace qmb {

class ColorStatic;
struct DeviceSession;
enum class ActionResult;
enum class SiteItem;

// "Internet Password Setting": a site's title (kept in the settings), and
// its ID and password (kept only in the mouse, which it never reads back:
// it shows the name of the slot that holds each). Saving enrols a new slot
// or rewrites the site's own; deleting empties it.
class SiteDialog : public SkinnedDialog {
    Q_OBJECT
public:
    SiteDialog(DeviceSession& session, Language language, QWidget* parent = nullptr);
    ~SiteDialog() override;

    QComboBox* titles() const { return titles_; }
    QLineEdit* field(int id) const;
    ColorStatic* slotName(int id) const;

    void done(int result) override;

protected:
    void OnEnter(QWidget* focus) override;

private:
    void CreateControls(Language language);
    void LoadTitles();
    // Caption and Delete of each item whose state is known, and the slot
    // names.
    void ShowSiteItems(bool idKnown, bool passwordKnown);
    // Save and Delete off for a slot no table knows, and why.
    void ShowUnknownSlots();
    void OnSelectSite(int entry);
    void OnSaveId();
    void OnSavePassword();
    // Whether the mouse took what was typed; each outcome is shown.
    bool Save(SiteItem item, QLineEdit& field, const QString& noFreeSlot);
    // A save or delete that went through shows the slots at once; one
    // that did not says why.
    void ShowOutcome(ActionResult result);
    void OnDeleteId();
    void OnDeletePassword();
    void StoreTitle();
    void WipeFields();

    DeviceSession& session_;
    QComboBox* titles_ = nullptr;
    QLineEdit* id_ = nullptr;
    QLineEdit* password_ = nullptr;
    ColorStatic* idSlotName_ = nullptr;
    ColorStatic* passwordSlotName_ = nullptr;
    SkinButton* saveId_ = nullptr;
    SkinButton* deleteId_ = nullptr;
    SkinButton* savePassword_ = nullptr;
    SkinButton* deletePassword_ = nullptr;
    // A password goes to the site the mouse selected at an ID save: none
    // before the first in this dialog.
    bool idSaved_ = false;
};

}  // namespace qmb
