// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/dialog_openers.h"

#include <QCheckBox>
#include <QComboBox>

#include "app/control_box.h"
#include "ui/notice/notice_popup.h"
#include "app/panel_refresh.h"
#include "ui/dialogs/button_edit_dialog.h"
#include "ui/dialogs/sequence_dialog.h"
#include "ui/dialog_framework/watcher_pause.h"
#include "ui/controls/skin_bitmap_button.h"
#include "ui/dialogs/login_dialog.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/result_notice.h"
#include "ui/dialogs/site_dialog.h"
#include "protocol/site_tables.h"
#include "protocol/device_session.h"
#include "actions/password_actions.h"
#include "actions/site_actions.h"
#include "actions/status_actions.h"

namespace qmb {

DialogOpeners::DialogOpeners(ControlBox& box, PanelRefresh& panel, DeviceSession& session, DeviceWatcher& watcher,
                             Language language)
    : box_(box), panel_(panel), session_(session), watcher_(watcher), language_(language)
{
    connect(box_.button(kConfigButton), &QAbstractButton::clicked, this, &DialogOpeners::OpenButtonEditing);
    connect(box_.button(kSequenceButton), &QAbstractButton::clicked, this, &DialogOpeners::OpenSequenceSetting);
    connect(box_.button(kPasswordButton), &QAbstractButton::clicked, this, &DialogOpeners::OpenPasswordSetting);
    connect(box_.siteModeCheck(), &QCheckBox::clicked, this, &DialogOpeners::OnSiteModeClicked);
    connect(box_.siteCombo(), &QComboBox::activated, this, &DialogOpeners::OnSiteChosen);
}

void DialogOpeners::OpenButtonEditing()
{
    WatcherPause pause(watcher_);
    ButtonEditDialog dialog(session_, language_);
    dialog.exec();
    panel_.ShowModeButtons(SettleEditedMode(session_));
}

void DialogOpeners::OpenSequenceSetting()
{
    WatcherPause pause(watcher_);
    SequenceDialog dialog(session_, language_);
    dialog.exec();
}

void DialogOpeners::OpenPasswordSetting()
{
    if (session_.state.siteModeOn == 1) {
        WatcherPause pause(watcher_);
        PasswordDialog dialog(session_, language_);
        dialog.exec();
    }
    panel_.RefreshPanel();
}

void DialogOpeners::OnSiteModeClicked(bool ticked)
{
    if (!ticked) {
        ChangeStatus(session_, {.siteModeOn = false});
    } else if (session_.state.siteModeOn == 0 && !SwitchSiteModeOn()) {
        return;
    }
    panel_.RefreshPanel();
}

bool DialogOpeners::SwitchSiteModeOn()
{
    WatcherPause pause(watcher_);
    if (CheckSiteFunctions(session_) == ActionResult::NotSupported) {
        ShowFailureNotice(tr("Not support !"));
        box_.siteModeCheck()->setChecked(false);
        return true;
    }
    if (session_.state.mousePasswordEnrolled == 0) {
        // A mouse without a password first gets one.
        PasswordDialog dialog(session_, language_);
        dialog.exec();
        return true;
    }
    if (session_.state.siteModeOn == 1) {
        return false;
    }
    LoginDialog dialog(session_, watcher_, language_);
    if (dialog.exec() == QDialog::Rejected) {
        box_.siteModeCheck()->setChecked(false);
    }
    box_.activateWindow();
    box_.setFocus();
    return true;
}

void DialogOpeners::OnSiteChosen(int row)
{
    if (row < 0 || static_cast<size_t>(row) >= SiteTable.size()) {
        return;
    }
    {
        WatcherPause pause(watcher_);
        ChooseSiteInList(session_, row);
        // A site the mouse cannot call complete is one to enrol.
        if (session_.state.siteModeOn == 1 && !session_.state.siteComplete) {
            SiteDialog dialog(session_, language_);
            dialog.exec();
        }
        panel_.LoadSiteTitles();
        box_.siteCombo()->setCurrentIndex(session_.state.siteIndex);
    }
}

void DialogOpeners::OpenSiteEnrolment()
{
    {
        WatcherPause pause(watcher_);
        // No row chosen: the site chosen last.
        const int row = box_.siteCombo()->currentIndex();
        PrepareSiteEnrolment(session_, row >= 0 ? std::optional(row) : std::nullopt);
    }
    // Signed out, enrolment starts where the web-site box does: with a
    // sign-in, or a first password. The box is off in button mode, and so
    // is that way in.
    if (session_.state.siteModeOn != 1) {
        if (!box_.siteModeCheck()->isEnabled()) {
            ShowResultNotice(ActionResult::SignInFirst);
            return;
        }
        box_.siteModeCheck()->setChecked(true);
        OnSiteModeClicked(true);
    }
    if (session_.state.siteModeOn == 1) {
        WatcherPause pause(watcher_);
        SiteDialog dialog(session_, language_);
        dialog.exec();
    }
    panel_.LoadSiteTitles();
}

}  // namespace qmb
