// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMenu>
#include <QObject>

namespace qmb {

// The four variants of the tray menu differ only in their check marks (and,
// in Korean, in one word of menu 150): the menu is picked, never ticked.
int ChooseTrayMenu(int showFlag, int topmostFlag);

// The tray menu. Its entries live as long as the program: a panel that
// draws the menu itself (StatusNotifier) knows them by ids that must not
// change between two openings, so a variant only sets their marks and texts.
class TrayMenu : public QObject {
    Q_OBJECT
public:
    TrayMenu();

    QMenu& menu() { return menu_; }
    void Fill(int variant);
    int variant() const { return variant_; }

    QAction* topmostAction() const { return topmost_; }
    QAction* viewControlBoxAction() const { return viewControlBox_; }
    QAction* saveProfileAction() const { return saveProfile_; }
    QAction* readProfileAction() const { return readProfile_; }
    QAction* enrollSiteAction() const { return enrollSite_; }
    QAction* backUpAction() const { return backUp_; }
    QAction* restoreAction() const { return restore_; }
    QAction* startAtLoginAction() const { return startAtLogin_; }
    QAction* exitAction() const { return exit_; }

private:
    QAction* AddEntry(bool checkable);

    QMenu menu_;
    QAction* topmost_;
    QAction* viewControlBox_;
    QAction* saveProfile_;
    QAction* readProfile_;
    QAction* enrollSite_;
    QAction* backUp_;
    QAction* restore_;
    QAction* startAtLogin_;
    QAction* exit_;
    int variant_ = 0;
};

}  // namespace qmb
