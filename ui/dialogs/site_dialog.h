#pragma once

#include "ui/dialog_framework/skinned_dialog.h"
#include "ui/controls/language.h"

class QComboBox;
class QLineEdit;

namespace qmb {

class ColorStatic;
struct DeviceSession;

// "Internet Password Setting": a site's title (kept in the settings), and
// its ID and password (kept only in the mouse, which it never reads back:
// it shows the name of the slot that holds each). Saving enrols a new slot
// or rewrites the site's own; deleting empties it.
class SiteDialog : public SkinnedDialog {
    Q_OBJECT
public:
    SiteDialog(DeviceSession& session, Language language, QWidget* parent = nullptr);
    ~SiteDialog() override;

    QComboBox* titles() const;
    QLineEdit* field(int id) const;
    ColorStatic* slotName(int id) const;

    void done(int result) override;

private:
    enum class ItemMode { Enrol, Rewrite };

    void CreateControls(Language language);
    void LoadTitles();
    void ShowSiteItems(uint8_t idRow, uint8_t passwordRow, bool idKnown, bool passwordKnown);
    void ShowSlots(uint8_t idRow, uint8_t passwordRow);
    void OnSelectSite(int entry);
    void OnSaveId();
    void OnSavePassword();
    void OnDeleteId();
    void OnDeletePassword();
    void StoreTitle();
    uint8_t SiteAddress() const;

    DeviceSession& session_;
    ItemMode idMode_ = ItemMode::Enrol;
    ItemMode passwordMode_ = ItemMode::Enrol;
};

}  // namespace qmb
