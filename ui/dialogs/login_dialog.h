// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/controls/language.h"
#include "ui/dialog_framework/skinned_dialog.h"

class QLineEdit;

namespace qmb {

struct DeviceSession;
class DeviceWatcher;

// "Sign in": takes the mouse password, or the short one when the mouse
// asks for it, and lets the mouse decide. Accepted, it closes; refused,
// it stays open. Enter is "Ok"; Escape and "Exit" cancel. Its fields are
// emptied and overwritten when it closes.
class LoginDialog : public SkinnedDialog {
    Q_OBJECT
public:
    LoginDialog(DeviceSession& session, DeviceWatcher& watcher, Language language, QWidget* parent = nullptr);
    ~LoginDialog() override;

    // The field the mouse asks for.
    QLineEdit* shownField() const { return asksShortPassword_ ? shortPassword_ : password_; }

    void done(int result) override;

protected:
    void OnEnter(QWidget* focus) override;

private:
    void CreateControls(Language language);
    void OnSignIn();
    void WipeFields();

    DeviceSession& session_;
    DeviceWatcher& watcher_;
    const bool asksShortPassword_;
    QLineEdit* password_ = nullptr;
    QLineEdit* shortPassword_ = nullptr;
};

}  // namespace qmb
