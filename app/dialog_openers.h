// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

#include "ui/controls/language.h"

namespace qmb {

class ControlBox;
class DeviceWatcher;
class PanelRefresh;
struct DeviceSession;

// What the control box's dialog buttons and its web-site box open. The
// watcher keeps off the device for as long as a dialog is open.
class DialogOpeners : public QObject {
    Q_OBJECT
public:
    DialogOpeners(ControlBox& box, PanelRefresh& panel, DeviceSession& session, DeviceWatcher& watcher, Language language);

    // "Edit": button editing; afterwards the mode buttons show the mode it
    // left (a mode never read becomes function mode).
    void OpenButtonEditing();
    // "Sequence": the auto-click sequence.
    void OpenSequenceSetting();
    // "PWD": the password dialog, while signed in only.
    void OpenPasswordSetting();
    // The web-site box: ticked, a sign-in (or a first password); unticked,
    // web-site mode off.
    void OnSiteModeClicked(bool ticked);
    // A title chosen in the site list: while signed in, the mouse switches
    // to that site, and an incomplete one opens the site dialog.
    void OnSiteChosen(int row);
    // The tray's "Enroll ( Moidfy ) Site": the site dialog, after a sign-in
    // when the mouse is signed out.
    void OpenSiteEnrolment();

private:
    // False when the mouse was signed in already and nothing was shown.
    bool SwitchSiteModeOn();

    ControlBox& box_;
    PanelRefresh& panel_;
    DeviceSession& session_;
    DeviceWatcher& watcher_;
    const Language language_;
};

}  // namespace qmb
