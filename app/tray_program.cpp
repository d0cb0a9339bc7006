// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/tray_program.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "app/autostart_entry.h"
#include "app/help_file.h"
#include "protocol/model_table.h"
#include "settings/settings_store.h"
#include "settings/site_titles.h"
#include "ui/controls/invisible_button.h"
#include "ui/controls/skin_bitmap_button.h"
#include "ui/controls/skin_library.h"
#include "ui/controls/skin_slider.h"
#include "ui/notice/notice_popup.h"

namespace qmb {

namespace {

using namespace std::chrono_literals;

constexpr auto kWindowHandleSaveDelay = 1s;

}  // namespace

TrayProgram::TrayProgram(DeviceSession& session, Language language, TrayWait::TrayAvailable trayAvailable,
                         ControlBoxVisibility::PointerKnown pointerKnown,
                         MouseBackupMenu::FileChooser chooseBackupFile)
    : session_(session),
      language_(language),
      box_(session.modelNumber, language),
      panel_(box_, session.state, session.modelNumber),
      actions_(box_, panel_, session),
      tray_(trayMenu_.menu(), session.modelNumber, std::move(trayAvailable)),
      visibility_(box_, trayMenu_, tray_, std::move(pointerKnown)),
      chooseBackupFile_(std::move(chooseBackupFile)),
      device_(session, panel_)
{
    connect(trayMenu_.topmostAction(), &QAction::triggered, &visibility_, &ControlBoxVisibility::ToggleTopmost);
    connect(trayMenu_.viewControlBoxAction(), &QAction::triggered, &visibility_,
            &ControlBoxVisibility::ToggleControlBox);
    connect(trayMenu_.saveProfileAction(), &QAction::triggered, this, &SaveProfile);
    connect(trayMenu_.readProfileAction(), &QAction::triggered, this, &TrayProgram::ReadProfile);
    connect(trayMenu_.startAtLoginAction(), &QAction::triggered, this, &TrayProgram::ToggleStartAtLogin);
    connect(trayMenu_.exitAction(), &QAction::triggered, this, &TrayProgram::Exit);
    connect(box_.button(kExitButton), &QAbstractButton::clicked, &box_, &QWidget::hide);
    connect(box_.button(kButtonModeButton), &QAbstractButton::clicked, &actions_,
            [this] { actions_.ApplyModeButton(Mode::Button); });
    connect(box_.button(kFunctionModeButton), &QAbstractButton::clicked, &actions_,
            [this] { actions_.ApplyModeButton(Mode::Function); });
    connect(box_.helpButton(), &QAbstractButton::clicked, this, &TrayProgram::ShowHelp);
    connect(&box_, &ControlBox::closeRequested, this, &TrayProgram::Exit);
    // Without a tray the control box is the only way in: show it, with the
    // tray's menu as its context menu.
    connect(&tray_, &TrayWait::waiting, &visibility_, &ControlBoxVisibility::ShowControlBox);
    connect(&tray_, &TrayWait::found, &visibility_, &ControlBoxVisibility::OnTrayFound);
    connect(&tray_, &TrayWait::activated, &visibility_, &ControlBoxVisibility::OnTrayActivated);

    session_.keeper.SetListener(&panel_);
}

TrayProgram::~TrayProgram()
{
    session_.keeper.SetListener(nullptr);
}

void TrayProgram::Start()
{
    const bool elevenSteps = session_.modelNumber == 1;
    // Drawn once, at every tray size, for the icon, the control box and the
    // dialogs alike.
    QGuiApplication::setWindowIcon(ProgramIcon());
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
    visibility_.ApplyStoredTopmost();
    // For other programs to find the control box by. A save waits for the
    // disk, longer than all the rest of the start, so it waits until the
    // icon is up.
    QTimer::singleShot(kWindowHandleSaveDelay, this,
                       [this] { WriteUserDword(kUserKey, kWindowHandleName, static_cast<uint32_t>(box_.winId())); });

    device_.Start();
    openers_ = std::make_unique<DialogOpeners>(box_, panel_, session_, *device_.watcher(), language_);
    connect(trayMenu_.enrollSiteAction(), &QAction::triggered, openers_.get(), &DialogOpeners::OpenSiteEnrolment);
    backupMenu_ = std::make_unique<MouseBackupMenu>(session_, *device_.watcher(), box_, chooseBackupFile_);
    connect(trayMenu_.backUpAction(), &QAction::triggered, backupMenu_.get(), &MouseBackupMenu::BackUp);
    connect(trayMenu_.restoreAction(), &QAction::triggered, backupMenu_.get(), &MouseBackupMenu::Restore);
    tray_.Start();
}

void TrayProgram::ShowHelp()
{
    if (!OpenHelp(language_)) {
        ShowFailureNotice(tr("The manual cannot be opened."));
    }
}

void TrayProgram::ToggleStartAtLogin()
{
    AutostartEntry().SetEnabled(!AutostartEntry().enabled(), QCoreApplication::applicationFilePath());
}

void TrayProgram::ReadProfile()
{
    QComboBox* combo = box_.siteCombo();
    combo->clear();
    for (const auto& title : qmb::ReadProfile()) {
        combo->addItem(QString::fromStdString(title));
    }
    combo->setCurrentIndex(-1);
}

void TrayProgram::Exit()
{
    if (DeviceWatcher* watcher = device_.watcher()) {
        watcher->StopWatcher();
    }
    if (QSystemTrayIcon* icon = tray_.icon()) {
        icon->hide();
    }
    emit exitRequested();
}

}  // namespace qmb
