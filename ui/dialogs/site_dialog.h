#pragma once

#include "ui/controls/language.h"
#include "ui/dialog_framework/skinned_dialog.h"

class QComboBox;
class QLineEdit;

namespace qmb {

class ColorStatic;
struct DeviceSession;
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
    void OnSelectSite(int entry);
    void OnSaveId();
    void OnSavePassword();
    // False when the save was stopped (nothing to send, or no free slot).
    bool Save(SiteItem item, QLineEdit& field, const QString& noFreeSlot);
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
};

}  // namespace qmb
