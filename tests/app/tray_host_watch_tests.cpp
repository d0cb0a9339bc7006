// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

#include "app/tray_host_watch.h"
#include "tests/app/status_notifier_panel.h"
#include "tests/support/session_bus.h"

namespace qmb::test {
namespace {

constexpr int kSignalWait = 5000;
// Long enough for a signal that was going to come.
constexpr int kQuietWait = 500;

// The program's side of a bus of the test's own, with a panel there that
// the test starts when it likes.
class TrayHostWatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!bus_.installed()) {
            GTEST_SKIP() << "dbus-daemon is not installed (Debian package dbus-daemon)";
        }
        ASSERT_TRUE(bus_.running()) << bus_.problem().constData();
        program_ = std::make_unique<QDBusConnection>(QDBusConnection::connectToBus(bus_.address(), "program"));
        ASSERT_TRUE(program_->isConnected());
        panel_ = std::make_unique<StatusNotifierPanel>(bus_.address());
    }

    void TearDown() override
    {
        panel_.reset();
        program_.reset();
        QDBusConnection::disconnectFromBus("program");
    }

    SessionBus bus_;
    std::unique_ptr<QDBusConnection> program_;
    std::unique_ptr<StatusNotifierPanel> panel_;
};

TEST_F(TrayHostWatchTest, TellsWhenAWatcherComesWithItsHost)
{
    TrayHostWatch watch(*program_);
    QSignalSpy appeared(&watch, &TrayHostWatch::hostAppeared);
    EXPECT_FALSE(TrayHostWatch::HostPresent(*program_));

    ASSERT_TRUE(panel_->StartWatcher(true));
    EXPECT_TRUE(appeared.wait(kSignalWait));
    EXPECT_TRUE(TrayHostWatch::HostPresent(*program_));
}

TEST_F(TrayHostWatchTest, TellsWhenAHostJoinsAWatcherThatWasThere)
{
    TrayHostWatch watch(*program_);
    QSignalSpy appeared(&watch, &TrayHostWatch::hostAppeared);

    // A watcher alone draws no icon.
    ASSERT_TRUE(panel_->StartWatcher(false));
    EXPECT_FALSE(appeared.wait(kQuietWait));
    EXPECT_FALSE(TrayHostWatch::HostPresent(*program_));

    panel_->RegisterHost();
    EXPECT_TRUE(appeared.wait(kSignalWait));
    EXPECT_TRUE(TrayHostWatch::HostPresent(*program_));
}

}  // namespace
}  // namespace qmb::test
