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

signals:
    void commandChosen(int id);

private:
    QAction* AddCommand(int id, bool checkable);

    QMenu menu_;
    QAction* topmost_;
    QAction* viewControlBox_;
    QAction* saveProfile_;
    QAction* readProfile_;
    QAction* enrollSite_;
    QAction* startAtLogin_;
    QAction* exit_;
    int variant_ = 0;
};

}  // namespace qmb
