#include "app/main_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QMenu>

#include "app/about_box.h"
#include "app/autostart_entry.h"
#include "app/help_file.h"
#include "ui/notice/notice_popup.h"
#include "app/window_options.h"
#include "ui/controls/invisible_button.h"
#include "ui/controls/skin_bitmap_button.h"
#include "ui/controls/skin_library.h"
#include "ui/controls/skin_slider.h"
#include "settings/settings_store.h"
#include "settings/site_titles.h"
#include "protocol/model_table.h"
#include "protocol/reports.h"

namespace qmb {

MainDialog::MainDialog(DeviceSession& session, Language language, TrayWait::TrayAvailable trayAvailable,
                       PointerKnown pointerKnown)
    : session_(session),
      language_(language),
      box_(session.modelNumber, language),
      panel_(box_, session.state, session.modelNumber),
      actions_(box_, panel_, session),
      tray_(trayMenu_.menu(), session.modelNumber, std::move(trayAvailable)),
      pointerKnown_(std::move(pointerKnown)),
      device_(session, panel_)
{
    topmostFlag_ = static_cast<int>(ReadUserDword(kUserKey, kTopMostName));

    connect(&trayMenu_.menu(), &QMenu::aboutToShow, this, &MainDialog::OnTrayMenuAboutToShow);
    trayMenu_.Fill(ChooseTrayMenu(showFlag_, topmostFlag_));
    connect(trayMenu_.topmostAction(), &QAction::triggered, this, &MainDialog::ToggleTopmost);
    connect(trayMenu_.viewControlBoxAction(), &QAction::triggered, this, &MainDialog::ToggleControlBox);
    connect(trayMenu_.saveProfileAction(), &QAction::triggered, this, &SaveProfile);
    connect(trayMenu_.readProfileAction(), &QAction::triggered, this, &MainDialog::ReadProfile);
    connect(trayMenu_.startAtLoginAction(), &QAction::triggered, this, &MainDialog::ToggleStartAtLogin);
    connect(trayMenu_.exitAction(), &QAction::triggered, this, &MainDialog::Exit);
    connect(box_.button(kExitButton), &QAbstractButton::clicked, &box_, &QWidget::hide);
    connect(box_.button(kButtonModeButton), &QAbstractButton::clicked, &actions_,
            [this] { actions_.ApplyModeButton(Mode::Button); });
    connect(box_.button(kFunctionModeButton), &QAbstractButton::clicked, &actions_,
            [this] { actions_.ApplyModeButton(Mode::Function); });
    connect(box_.helpButton(), &QAbstractButton::clicked, this, &MainDialog::ShowHelp);
    connect(&box_, &ControlBox::closeRequested, this, &MainDialog::Exit);
    // Without a tray the control box is the only way in: show it, with the
    // tray's menu as its context menu.
    connect(&tray_, &TrayWait::waiting, this, &MainDialog::ShowControlBox);
    connect(&tray_, &TrayWait::found, this, &MainDialog::OnTrayFound);
    connect(&tray_, &TrayWait::activated, this, &MainDialog::OnTrayActivated);
    box_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&box_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowBoxMenu(at); });

    session_.keeper.SetListener(&panel_);
}

MainDialog::~MainDialog()
{
    session_.keeper.SetListener(nullptr);
}

void MainDialog::OnInitDialog()
{
    const bool elevenSteps = session_.modelNumber == 1;
    box_.setWindowIcon(ProgramIcon());
    box_.setWindowTitle("QMBPro");
    box_.resolutionSlider()->setRange(1, elevenSteps ? 11 : 3);
    box_.intervalSlider()->setRange(0, kMaxReportInterval);
    box_.button(kConfigButton)->LoadBitmaps(kSkinEdit, kSkinEditPressed);
    box_.button(kPasswordButton)->LoadBitmaps(kSkinPassword, kSkinPasswordPressed);
    box_.button(kSequenceButton)->LoadBitmaps(kSkinSequence, kSkinSequencePressed);
    box_.button(kExitButton)->LoadBitmaps(kSkinClose, kSkinClose);
    box_.button(kButtonModeButton)->LoadBitmaps(kSkinNormalOff, kSkinNormalOff);
    box_.button(kFunctionModeButton)->LoadBitmaps(kSkinFunctionOff, kSkinFunctionOff);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        box_.move(screen->availableGeometry().center() - box_.rect().center());
    }
    WriteUserDword(kUserKey, kWindowHandleName, static_cast<uint32_t>(box_.winId()));
    if (topmostFlag_) {
        box_.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }

    device_.Start();
    openers_ = std::make_unique<DialogOpeners>(box_, panel_, session_, *device_.watcher(), language_);
    connect(trayMenu_.enrollSiteAction(), &QAction::triggered, openers_.get(), &DialogOpeners::OpenSiteEnrolment);
    tray_.Start();
}

void MainDialog::OnTrayFound()
{
    // As at a start with a tray, the control box goes into it, unless
    // "View Control Box" was chosen meanwhile.
    ApplyShowFlag(showFlag_ != 0);
}

void MainDialog::OnTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    // A right press needs nothing here: the tray opens the icon's context
    // menu itself, and tells of the press only afterwards.
    if (reason != QSystemTrayIcon::Trigger) {
        return;
    }
    if (!pointerKnown_()) {
        // Without the pointer's position a menu would open away from the
        // panel, or not at all: the control box is what a press can show.
        ShowControlBox();
        return;
    }
    showFlag_ = static_cast<int>(ReadUserDword(kUserKey, kShowName));
    ApplyShowFlag(showFlag_ == 1);
    ShowTrayMenu();
}

void MainDialog::OnTrayMenuAboutToShow()
{
    // Shown for anything but a left press, the menu is the icon's context
    // menu: a right press, whose rule runs now, before the variant is
    // chosen.
    if (!leftPressMenu_) {
        showFlag_ = static_cast<int>(ReadUserDword(kUserKey, kShowName));
        ApplyShowFlag(showFlag_ != 0);
    }
    leftPressMenu_ = false;
    trayMenu_.Fill(ChooseTrayMenu(showFlag_, topmostFlag_));
}

void MainDialog::ShowTrayMenu()
{
    if (box_.isVisible()) {
        box_.activateWindow();
    }
    leftPressMenu_ = true;
    trayMenu_.menu().popup(QCursor::pos());
}

void MainDialog::ShowControlBox()
{
    ApplyShowFlag(true);
    box_.activateWindow();
}

void MainDialog::ApplyShowFlag(bool show)
{
    if (show) {
        box_.show();
        box_.raise();
    } else {
        box_.hide();
    }
}

void MainDialog::ShowHelp()
{
    if (!OpenHelp(language_)) {
        ShowFailureNotice(tr("The manual cannot be opened."));
    }
}

void MainDialog::ToggleTopmost()
{
    topmostFlag_ = topmostFlag_ ? 0 : 1;
    WriteUserDword(kUserKey, kTopMostName, static_cast<uint32_t>(topmostFlag_));
    SetTopmost(&box_, topmostFlag_ != 0);
}

void MainDialog::ToggleControlBox()
{
    showFlag_ = showFlag_ ? 0 : 1;
    WriteUserDword(kUserKey, kShowName, static_cast<uint32_t>(showFlag_));
    ApplyShowFlag(showFlag_ != 0);
}

void MainDialog::ToggleStartAtLogin()
{
    AutostartEntry().SetEnabled(!AutostartEntry().enabled(), QCoreApplication::applicationFilePath());
}

void MainDialog::ReadProfile()
{
    QComboBox* combo = box_.siteCombo();
    combo->clear();
    for (const auto& title : qmb::ReadProfile()) {
        combo->addItem(QString::fromStdString(title));
    }
    combo->setCurrentIndex(-1);
}

void MainDialog::Exit()
{
    if (DeviceWatcher* watcher = device_.watcher()) {
        watcher->StopWatcher();
    }
    if (QSystemTrayIcon* icon = tray_.icon()) {
        icon->hide();
    }
    emit exitRequested();
}

void MainDialog::ShowAbout()
{
    AboutBox about(&box_);
    about.exec();
}

void MainDialog::ShowBoxMenu(const QPoint& at)
{
    QMenu menu;
    connect(menu.addAction(tr("&About QMBPro...")), &QAction::triggered, this, &MainDialog::ShowAbout);
    if (!tray_.icon()) {
        trayMenu_.Fill(ChooseTrayMenu(showFlag_, topmostFlag_));
        menu.addActions(trayMenu_.menu().actions());
    }
    menu.exec(box_.mapToGlobal(at));
}

}  // namespace qmb
