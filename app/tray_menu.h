#pragma once

#include <QMenu>
#include <QObject>

namespace qmb {

enum TrayCommand : int {
    kExitCommand = 32771,
    kTopmostCommand = 32774,
    kViewControlBoxCommand = 32775,
    kSaveProfileCommand = 32776,
    kReadProfileCommand = 32777,
    kEnrollSiteCommand = 32778,
    kStartAtLoginCommand = 32779,
};

// The four variants of the tray menu differ only in their check marks (and,
// in Korean, in one word of menu 150): the menu is picked, never ticked.
int ChooseTrayMenu(int showFlag, int topmostFlag);

// The tray menu, refilled as the chosen variant before each showing.
class TrayMenu : public QObject {
    Q_OBJECT
public:
    TrayMenu();

    QMenu& menu() { return menu_; }
    void Fill(int variant);
    int variant() const { return variant_; }

signals:
    void commandChosen(int id);

private:
    QMenu menu_;
    int variant_ = 0;
};

}  // namespace qmb
