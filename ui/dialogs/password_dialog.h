#pragma once

#include "ui/dialog_framework/skinned_dialog.h"
#include "ui/controls/language.h"

class QLineEdit;

namespace qmb {

struct DeviceSession;

// "Password Setting": sets or changes the mouse password (typed twice),
// sets, changes or deletes the short password, and signs out. It only
// sends: nothing is kept, read back or compared but the two fields the
// user typed. Its fields are emptied and overwritten when it closes.
class PasswordDialog : public SkinnedDialog {
    Q_OBJECT
public:
    PasswordDialog(DeviceSession& session, Language language, QWidget* parent = nullptr);
    ~PasswordDialog() override;

    QLineEdit* field(int id) const;
    bool shortMode() const { return shortMode_; }

    void done(int result) override;

private:
    void CreateControls(Language language);
    void OnSavePassword();
    void SaveShortPassword();
    void OnShortPassword();
    void OnSignOut();
    void WipeFields();

    DeviceSession& session_;
    bool shortMode_ = false;
};

}  // namespace qmb
