// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/tray_menu.h"

#include <array>

#include "app/autostart_entry.h"

namespace qmb {

namespace {

struct MenuVariant {
    int id;
    bool topmostChecked;
    bool viewChecked;
};

constexpr std::array<MenuVariant, 4> kVariants{{{148, true, false}, {150, false, false}, {151, true, true}, {152, false, true}}};

}  // namespace

int ChooseTrayMenu(int showFlag, int topmostFlag)
{
    if (showFlag == 0) {
        return topmostFlag != 0 ? 148 : 150;
    }
    return topmostFlag != 0 ? 151 : 152;
}

TrayMenu::TrayMenu()
{
    menu_.setTitle("QMBPro");
    menu_.addSeparator();
    topmost_ = AddEntry(true);
    viewControlBox_ = AddEntry(true);
    saveProfile_ = AddEntry(false);
    readProfile_ = AddEntry(false);
    enrollSite_ = AddEntry(false);
    backUp_ = AddEntry(false);
    restore_ = AddEntry(false);
    startAtLogin_ = AddEntry(true);
    exit_ = AddEntry(false);
}

QAction* TrayMenu::AddEntry(bool checkable)
{
    QAction* action = menu_.addAction(QString());
    action->setCheckable(checkable);
    return action;
}

void TrayMenu::Fill(int variant)
{
    variant_ = variant;
    MenuVariant chosen = kVariants[1];
    for (const auto& candidate : kVariants) {
        if (candidate.id == variant) {
            chosen = candidate;
        }
    }
    topmost_->setText(tr("Topmost"));
    topmost_->setChecked(chosen.topmostChecked);
    viewControlBox_->setText(tr("View Control Box"));
    viewControlBox_->setChecked(chosen.viewChecked);
    saveProfile_->setText(tr("Save Profile"));
    // Menu 150 has its own wording of this item in Korean.
    readProfile_->setText(chosen.id == 150 ? tr("Read Profile", "menu 150") : tr("Read Profile"));
    enrollSite_->setText(tr("Enroll ( Moidfy ) Site"));
    backUp_->setText(tr("Back up the mouse..."));
    restore_->setText(tr("Restore the mouse..."));
    // Not one of the four variants: it follows the session's autostart entries.
    startAtLogin_->setText(tr("Start at login"));
    startAtLogin_->setChecked(AutostartEntry().enabled());
    exit_->setText(tr("&Exit"));
}

}  // namespace qmb
