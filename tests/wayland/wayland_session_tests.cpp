// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The tray program in a Wayland session, for real: Weston's headless
// backend with Xwayland, started here. Run plainly, the program picks
// XWayland by itself (its notice is placed and shaped there as on X11); run
// with --native, the user has chosen Wayland itself. Either way it starts,
// shows its control box (Weston has no tray) and a notice that goes away.

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QPointer>
#include <QProcess>
#include <QLabel>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <regex>

#include "app/tray_program.h"
#include "app/window_system_choice.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "ui/controls/transparent_static.h"
#include "ui/notice/notice_popup.h"

namespace qmb {
namespace {

constexpr int kStartWait = 15000;
const QString kSocket = QStringLiteral("qmb-test");

// A Weston of its own, headless and with Xwayland, in a runtime directory of
// its own, for as long as it lives.
class WestonSession {
public:
    WestonSession()
    {
        const QString weston = QStandardPaths::findExecutable("weston");
        if (weston.isEmpty()) {
            problem_ = "weston is not installed (Debian packages weston and xwayland)";
            return;
        }
        QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_RUNTIME_DIR", runtime_.path());
        process_.setProcessEnvironment(environment);
        process_.start(weston, {"--backend=headless-backend.so", "--socket=" + kSocket, "--xwayland",
                                "--idle-time=0", "--width=1024", "--height=768", "--log=" + LogPath()});
        QElapsedTimer waited;
        waited.start();
        // Weston logs the X display once Xwayland can be reached on it.
        const std::regex listening("xserver listening on display (:[0-9]+)");
        while (waited.elapsed() < kStartWait && process_.state() != QProcess::NotRunning) {
            std::smatch found;
            const std::string log = Log().toStdString();
            if (std::regex_search(log, found, listening) && QFile::exists(runtime_.filePath(kSocket))) {
                display_ = QByteArray::fromStdString(found[1]);
                return;
            }
            QTest::qSleep(50);
        }
        problem_ = "Weston did not start: " + Log().right(2000).toStdString();
    }

    ~WestonSession()
    {
        process_.terminate();
        process_.waitForFinished(5000);
    }

    bool running() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }
    QByteArray display() const { return display_; }
    QString runtime() const { return runtime_.path(); }

private:
    QString LogPath() const { return runtime_.filePath("weston.log"); }
    QString Log() const
    {
        QFile log(LogPath());
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    QTemporaryDir runtime_;
    QProcess process_;
    QByteArray display_;
    std::string problem_;
};

// Set by main() before any test runs.
const WestonSession* weston = nullptr;
const char* expectedPlatform = "xcb";
std::string nativeProblem;

class WaylandSessionTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (!weston->running()) {
            GTEST_SKIP() << weston->problem();
        }
        if (!nativeProblem.empty()) {
            GTEST_SKIP() << nativeProblem;
        }
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(config_.path()));
    }

    QTemporaryDir config_;
};

TEST_F(WaylandSessionTest, TheProgramStartsOnItsChosenPlatformAndShowsItsControlBox)
{
    EXPECT_EQ(QGuiApplication::platformName(), expectedPlatform);
    EmulatedPlatform mouse(0);
    DeviceSession session(mouse, 0);
    TrayProgram program(session, Language::English);
    program.Start();
    // Weston offers no tray, so the control box is the way in.
    EXPECT_TRUE(program.box().isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&program.box(), kStartWait));
    EXPECT_EQ(program.box().resolutionLabel()->text(), "1600");
}

TEST_F(WaylandSessionTest, ANoticeFloatsAndGoesAwayOnItsTime)
{
    ShowNotice("Not Match!", kFailureNoticeColour, kNoticeMilliseconds);
    QPointer<NoticePopup> popup;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        popup = qobject_cast<NoticePopup*>(widget) ? qobject_cast<NoticePopup*>(widget) : popup.data();
    }
    ASSERT_FALSE(popup.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup, kStartWait));
    EXPECT_FALSE(popup->mask().isEmpty());
    if (QGuiApplication::platformName() == "xcb") {
        // Placed by the program, at the middle of the screen.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        EXPECT_LE((popup->frameGeometry().center() - screen.center()).manhattanLength(), 2)
            << popup->frameGeometry().x() << "," << popup->frameGeometry().y();
    }
    EXPECT_TRUE(QTest::qWaitFor([&popup] { return popup.isNull(); }, 3 * kNoticeMilliseconds));
}

// The program itself, with nothing chosen for it: its control box is an
// X11 window on Weston's Xwayland.
TEST_F(WaylandSessionTest, TheProgramChoosesXWaylandByItself)
{
    if (QStandardPaths::findExecutable("xdotool").isEmpty()) {
        GTEST_SKIP() << "xdotool is not installed (Debian package xdotool)";
    }
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("XDG_RUNTIME_DIR", weston->runtime());
    environment.insert("XDG_CONFIG_HOME", config_.path());
    program.setProcessEnvironment(environment);
    program.start(QMBPRO_PATH, {"--demo"});
    ASSERT_TRUE(program.waitForStarted());
    const auto shownOnX11 = [&program] {
        QProcess search;
        search.start("xdotool", {"search", "--onlyvisible", "--pid", QString::number(program.processId()), "--name",
                                 "^QMBPro$"});
        return search.waitForFinished() && search.exitCode() == 0;
    };
    EXPECT_TRUE(QTest::qWaitFor(shownOnX11, kStartWait)) << program.readAllStandardError().toStdString();
    program.terminate();
    program.waitForFinished();
}

}  // namespace
}  // namespace qmb

// Its own main: the compositor has to run before the application object
// connects to it, and outlive it.
int main(int argc, char** argv)
{
    const bool native = argc > 1 && std::string(argv[1]) == "--native";
    if (native) {
        argv[1] = argv[0];
        ++argv;
        --argc;
    }
    qmb::WestonSession weston;
    qmb::weston = &weston;
    const QString waylandPlugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqwayland-generic.so";
    if (native && !QFile::exists(waylandPlugin)) {
        qmb::nativeProblem = "Qt's Wayland platform is not installed (Debian package qt6-wayland)";
    }
    if (weston.running() && qmb::nativeProblem.empty()) {
        qunsetenv("QT_QPA_PLATFORM");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(weston.runtime()));
        qputenv("WAYLAND_DISPLAY", qmb::kSocket.toUtf8());
        qputenv("DISPLAY", weston.display());
        // As a Wayland session's login sets it: Qt would go to Wayland by it.
        qputenv("XDG_SESSION_TYPE", "wayland");
        if (native) {
            qputenv("QT_QPA_PLATFORM", "wayland");
            qmb::expectedPlatform = "wayland";
        }
        qmb::ChooseWindowSystem(argc, argv);
    } else {
        // The tests skip on their own; the application still has to start.
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (native) {
        GTEST_FLAG_SET(filter, "-*ChoosesXWayland*");
    }
    return RUN_ALL_TESTS();
}
