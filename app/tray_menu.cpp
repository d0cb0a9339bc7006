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
    menu_.clear();
    menu_.addSeparator();
    const auto add = [this](const QString& text, int id, bool checkable = false, bool checked = false) {
        QAction* action = menu_.addAction(text);
        action->setData(id);
        action->setCheckable(checkable);
        action->setChecked(checked);
        connect(action, &QAction::triggered, this, [this, id] { emit commandChosen(id); });
    };
    add(tr("Topmost"), kTopmostCommand, true, chosen.topmostChecked);
    add(tr("View Control Box"), kViewControlBoxCommand, true, chosen.viewChecked);
    add(tr("Save Profile"), kSaveProfileCommand);
    // Menu 150 has its own wording of this item in Korean.
    add(chosen.id == 150 ? tr("Read Profile", "menu 150") : tr("Read Profile"), kReadProfileCommand);
    add(tr("Enroll ( Moidfy ) Site"), kEnrollSiteCommand);
    // Not one of the four variants: it follows the session's autostart entries.
    add(tr("Start at login"), kStartAtLoginCommand, true, AutostartEntry().enabled());
    add(tr("&Exit"), kExitCommand);
}

}  // namespace qmb
