// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The tray icon on a desktop: mostly one whose panel draws it over D-Bus
// (StatusNotifier: KDE Plasma, GNOME's AppIndicator extension, LXQt,
// waybar). The program runs as users run it, on an X server and a session
// bus of the test's own, with a panel the test plays; what the user would
// see is read off the X server.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "bench/process_activity.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "tests/app/status_notifier_panel.h"
#include "tests/support/session_bus.h"
#include "tests/support/shown_windows.h"
#include "tests/support/virtual_display.h"
#include "tests/support/xembed_tray_owner.h"

namespace qmb::test {
namespace {

constexpr int kRegistrationWait = 5000;
constexpr int kScreenWait = 5000;
constexpr int kSettle = 1500;
constexpr std::chrono::milliseconds kSleepWindow{4000};

QStringList Labels(const std::vector<MenuEntry>& entries)
{
    QStringList labels;
    for (const auto& entry : entries) {
        labels << entry.label;
    }
    return labels;
}

std::vector<int> Ids(const std::vector<MenuEntry>& entries)
{
    std::vector<int> ids;
    for (const auto& entry : entries) {
        ids.push_back(entry.id);
    }
    return ids;
}

int ToggleStateOf(const std::vector<MenuEntry>& entries, const QString& label)
{
    const auto entry =
        std::find_if(entries.begin(), entries.end(), [&](const MenuEntry& e) { return e.label == label; });
    return entry == entries.end() ? -2 : entry->toggleState;
}

class TrayDesktopTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!bus_.installed()) {
            GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus-daemon)";
        }
        ASSERT_TRUE(bus_.running()) << bus_.problem().constData();
        if (!display_.installed()) {
            GTEST_SKIP() << "Xvfb is not installed (Debian package xvfb)";
        }
        ASSERT_TRUE(display_.running()) << display_.problem().constData();
        ASSERT_TRUE(sandbox_.isValid());
        ASSERT_TRUE(QDir(sandbox_.path()).mkdir("runtime"));
        ASSERT_TRUE(QFile::setPermissions(sandbox_.filePath("runtime"),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // The test writes the settings the program reads.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(sandbox_.filePath("config")));
        panel_ = std::make_unique<StatusNotifierPanel>(bus_.address());
    }

    void TearDown() override
    {
        if (program_.state() != QProcess::NotRunning) {
            program_.kill();
            program_.waitForFinished();
        }
    }

    void StartProgram()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", bus_.address());
        environment.insert("DISPLAY", QString::fromLatin1(display_.name()));
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("XDG_CONFIG_HOME", sandbox_.filePath("config"));
        environment.insert("XDG_CONFIG_DIRS", sandbox_.filePath("machine"));
        environment.insert("XDG_RUNTIME_DIR", sandbox_.filePath("runtime"));
        environment.insert("LC_ALL", "C.UTF-8");
        // An X11 session of its own, whatever desktop runs the tests.
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORMTHEME");
        program_.setProcessEnvironment(environment);
        program_.start(QMBPRO_PATH, {"--demo"});
        ASSERT_TRUE(program_.waitForStarted());
    }

    bool Shown(bool popup)
    {
        const auto windows = ShownWindows(display_.name());
        return std::any_of(windows.begin(), windows.end(), [&](const ShownWindow& w) { return w.popup == popup; });
    }
    bool ControlBoxShown() { return Shown(false); }
    bool MenuShown() { return Shown(true); }

    bool ItemRegisters() { return QTest::qWaitFor([this] { return panel_->HasItem(); }, kRegistrationWait); }

    // What the program wrote on standard error, for a failure's message.
    std::string ProgramErrors() { return program_.readAllStandardError().toStdString(); }

    SessionBus bus_;
    VirtualDisplay display_;
    QTemporaryDir sandbox_;
    std::unique_ptr<StatusNotifierPanel> panel_;
    QProcess program_;
};

TEST_F(TrayDesktopTest, IconComesWhenThePanelStartsAfterTheProgram)
{
    StartProgram();
    // No tray yet: the control box is the way in.
    ASSERT_TRUE(QTest::qWaitFor([this] { return ControlBoxShown(); }, kScreenWait)) << ProgramErrors();

    ASSERT_TRUE(panel_->StartWatcher(true));
    ASSERT_TRUE(ItemRegisters()) << ProgramErrors();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ControlBoxShown(); }, kScreenWait));
}

TEST_F(TrayDesktopTest, WaitingForAnX11TrayTheProgramSleepsAndTheIconComesWhenTheTrayStarts)
{
    StartProgram();
    ASSERT_TRUE(QTest::qWaitFor([this] { return ControlBoxShown(); }, kScreenWait)) << ProgramErrors();
    // Past what the start leaves for later; a look for a tray, however
    // rare, would wake it more than this.
    QTest::qWait(kSettle);
    EXPECT_LE(bench::ActivityOver(static_cast<pid_t>(program_.processId()), kSleepWindow).contextSwitches, 3);

    // Heard of when the tray announces itself, and not a moment before:
    // nothing tells the program that the selection changed hands.
    XEmbedTrayOwner tray(display_.name());
    ASSERT_TRUE(tray.owns());
    EXPECT_TRUE(tray.WaitForDockRequest(std::chrono::milliseconds(kScreenWait))) << ProgramErrors();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ControlBoxShown(); }, kScreenWait));
}

TEST_F(TrayDesktopTest, IconDocksInAnX11TrayThatWasThere)
{
    XEmbedTrayOwner tray(display_.name());
    ASSERT_TRUE(tray.owns());
    StartProgram();
    EXPECT_TRUE(tray.WaitForDockRequest(std::chrono::milliseconds(kScreenWait))) << ProgramErrors();
    EXPECT_FALSE(ControlBoxShown());
}

TEST_F(TrayDesktopTest, IconComesWhenAPanelJoinsAWatcherThatWasThere)
{
    // A watcher of its own starts first (KDE's runs in kded), the panel later.
    ASSERT_TRUE(panel_->StartWatcher(false));
    StartProgram();
    ASSERT_TRUE(QTest::qWaitFor([this] { return ControlBoxShown(); }, kScreenWait)) << ProgramErrors();
    EXPECT_FALSE(panel_->HasItem());

    panel_->RegisterHost();
    ASSERT_TRUE(ItemRegisters()) << ProgramErrors();
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ControlBoxShown(); }, kScreenWait));
}

TEST_F(TrayDesktopTest, MenuKeepsItsEntriesAcrossOpeningsAndExitEndsTheProgram)
{
    ASSERT_TRUE(panel_->StartWatcher(true));
    StartProgram();
    ASSERT_TRUE(ItemRegisters()) << ProgramErrors();
    const auto first = panel_->MenuEntries();
    EXPECT_EQ(Labels(first), (QStringList{"", "Topmost", "View Control Box", "Save Profile", "Read Profile",
                                          "Enroll ( Moidfy ) Site", "Back up the mouse...", "Restore the mouse...",
                                          "Start at login", "_Exit"}));

    ASSERT_TRUE(panel_->AboutToShow());
    EXPECT_EQ(Ids(panel_->MenuEntries()), Ids(first));
    ASSERT_TRUE(panel_->AboutToShow());
    EXPECT_EQ(Ids(panel_->MenuEntries()), Ids(first));

    // "Exit" by the id read before both openings.
    ASSERT_FALSE(first.empty());
    panel_->Click(first.back().id);
    ASSERT_TRUE(program_.waitForFinished(kScreenWait)) << "still running";
    EXPECT_EQ(program_.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program_.exitCode(), 0);
}

TEST_F(TrayDesktopTest, OpeningTheMenuReadsShowFirst)
{
    WriteUserDword(kUserKey, kShowName, 1);
    ASSERT_TRUE(panel_->StartWatcher(true));
    StartProgram();
    ASSERT_TRUE(ItemRegisters()) << ProgramErrors();
    EXPECT_FALSE(ControlBoxShown());

    // A right press: the panel opens the menu it draws, and nothing else
    // tells the program of the press.
    ASSERT_TRUE(panel_->AboutToShow());
    EXPECT_TRUE(QTest::qWaitFor([this] { return ControlBoxShown(); }, kScreenWait));
    EXPECT_EQ(ToggleStateOf(panel_->MenuEntries(), "View Control Box"), 1);

    WriteUserDword(kUserKey, kShowName, 0);
    ASSERT_TRUE(panel_->AboutToShow());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !ControlBoxShown(); }, kScreenWait));
    EXPECT_EQ(ToggleStateOf(panel_->MenuEntries(), "View Control Box"), 0);
}

TEST_F(TrayDesktopTest, LeftClickOnX11OpensTheMenuAtThePointer)
{
    ASSERT_TRUE(panel_->StartWatcher(true));
    StartProgram();
    ASSERT_TRUE(ItemRegisters()) << ProgramErrors();

    // Qt does not pass on where the panel says the press was; on X11 the
    // pointer is there.
    ASSERT_TRUE(panel_->Activate(QPoint(5, 5)));
    ASSERT_TRUE(QTest::qWaitFor([this] { return MenuShown(); }, kScreenWait));
    const auto windows = ShownWindows(display_.name());
    const auto menu = std::find_if(windows.begin(), windows.end(), [](const ShownWindow& w) { return w.popup; });
    ASSERT_NE(menu, windows.end());
    EXPECT_EQ(menu->geometry.topLeft(), PointerPosition(display_.name()));
    EXPECT_FALSE(ControlBoxShown());
}

}  // namespace
}  // namespace qmb::test
