// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QDir>
#include <QFile>
#include <QMenu>

#include <gtest/gtest.h>

#include "app/autostart_entry.h"
#include "app/tray_menu.h"
#include "tests/app/control_box_fixture.h"

namespace qmb::test {
namespace {

class AutostartTest : public ControlBoxFixture {
protected:
    // The entry the package installs for every user.
    void InstallSystemEntry(const QString& extraLines = {})
    {
        ASSERT_TRUE(QDir().mkpath(config_.filePath("machine/autostart")));
        QFile entry(config_.filePath("machine/autostart/qmbpro.desktop"));
        ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
        entry.write(("[Desktop Entry]\nType=Application\nName=QMBPro\nExec=qmbpro\n" + extraLines).toUtf8());
    }

    QString UserEntry()
    {
        QFile entry(config_.filePath("home/autostart/qmbpro.desktop"));
        return entry.open(QIODevice::ReadOnly) ? QString::fromUtf8(entry.readAll()) : QString();
    }

    QAction* StartAtLoginItem()
    {
        program_->trayMenu().Fill(150);
        return program_->trayMenu().startAtLoginAction();
    }
};

TEST_F(AutostartTest, TheInstalledEntryIsTurnedOffPerUserAndOnAgainByRemovingTheOverride)
{
    InstallSystemEntry();
    const AutostartEntry entry;
    EXPECT_TRUE(entry.enabled());

    ASSERT_TRUE(entry.SetEnabled(false, "/usr/bin/qmbpro"));
    EXPECT_FALSE(entry.enabled());
    EXPECT_TRUE(UserEntry().contains("\nHidden=true\n")) << UserEntry().toStdString();
    EXPECT_TRUE(UserEntry().startsWith("[Desktop Entry]\n"));

    ASSERT_TRUE(entry.SetEnabled(true, "/usr/bin/qmbpro"));
    EXPECT_TRUE(entry.enabled());
    EXPECT_FALSE(QFile::exists(entry.userEntryPath()));
}

TEST_F(AutostartTest, WithoutAnInstalledEntryTheUserGetsOneThatStartsThisProgram)
{
    const AutostartEntry entry;
    EXPECT_FALSE(entry.enabled());
    ASSERT_TRUE(entry.SetEnabled(true, "/home/me/my build/qmbpro"));
    EXPECT_TRUE(entry.enabled());
    EXPECT_TRUE(UserEntry().contains("\nExec=\"/home/me/my build/qmbpro\"\n")) << UserEntry().toStdString();
    EXPECT_FALSE(UserEntry().contains("Hidden"));

    // Quoted, then its backslashes doubled, as the desktop reads the key.
    ASSERT_TRUE(entry.SetEnabled(true, "/opt/a$b/qmbpro"));
    EXPECT_TRUE(UserEntry().contains("\nExec=\"/opt/a\\\\$b/qmbpro\"\n")) << UserEntry().toStdString();

    ASSERT_TRUE(entry.SetEnabled(false, "/home/me/my build/qmbpro"));
    EXPECT_FALSE(entry.enabled());
}

TEST_F(AutostartTest, AnEntryTheDesktopWouldSkipCountsAsOff)
{
    InstallSystemEntry("X-GNOME-Autostart-enabled=false\n");
    EXPECT_FALSE(AutostartEntry().enabled());
    InstallSystemEntry("[Desktop Action other]\nHidden=true\n");
    EXPECT_TRUE(AutostartEntry().enabled()) << "a key of another group decided";
}

TEST_F(AutostartTest, TheTrayItemShowsAndTogglesTheUsersChoice)
{
    InstallSystemEntry();
    Start();
    QAction* item = StartAtLoginItem();
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_TRUE(item->isChecked());
    // Just before "Exit".
    const auto actions = program_->trayMenu().menu().actions();
    EXPECT_EQ(actions.indexOf(item) + 1, actions.size() - 1);

    item->trigger();
    EXPECT_FALSE(AutostartEntry().enabled());
    EXPECT_FALSE(StartAtLoginItem()->isChecked());

    StartAtLoginItem()->trigger();
    EXPECT_TRUE(AutostartEntry().enabled());
    EXPECT_TRUE(StartAtLoginItem()->isChecked());
    EXPECT_TRUE(UserEntry().isEmpty());
}

}  // namespace
}  // namespace qmb::test
