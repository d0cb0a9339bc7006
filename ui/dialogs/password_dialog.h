// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/controls/language.h"
#include "ui/dialog_framework/skinned_dialog.h"

class QLineEdit;

namespace qmb {

class ColorStatic;
class GroupFrame;
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

    void done(int result) override;

protected:
    void OnEnter(QWidget* focus) override;

private:
    void CreateControls(Language language);
    void OnSavePassword();
    void SaveShortPassword();
    void OnShortPassword();
    void OnSignOut();
    void WipeFields();

    DeviceSession& session_;
    GroupFrame* group_ = nullptr;
    ColorStatic* verificationLabel_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* verification_ = nullptr;
    QLineEdit* shortPassword_ = nullptr;
    SkinButton* save_ = nullptr;
    SkinButton* shortPasswordButton_ = nullptr;
    SkinButton* signOut_ = nullptr;
    SkinButton* exit_ = nullptr;
    bool shortMode_ = false;
};

}  // namespace qmb
