// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "app/help_file.h"

namespace qmb {
namespace {

// The tray program as started from a session: its own runtime directory,
// settings and machine settings.
class QmbproProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime_.isValid() && config_.isValid());
        QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        environment_.insert("XDG_RUNTIME_DIR", runtime_.path());
        environment_.insert("XDG_CONFIG_HOME", config_.path());
        environment_.insert("XDG_CONFIG_DIRS", config_.path());
        environment_.insert("XDG_CACHE_HOME", config_.filePath("cache"));
        environment_.insert("QT_QPA_PLATFORM", "offscreen");
    }

    void Start(QProcess& program, const QStringList& arguments)
    {
        program.setProcessEnvironment(environment_);
        program.start(QMBPRO_PATH, arguments);
        ASSERT_TRUE(program.waitForStarted());
    }

    QString SocketPath() const { return QDir(runtime_.path()).filePath("QMBPro.socket"); }

    // The socket is the last thing a start puts in place before it waits
    // for events.
    bool WaitForSocket(QProcess& program)
    {
        QElapsedTimer waited;
        waited.start();
        while (!QFile::exists(SocketPath())) {
            if (waited.elapsed() > 5000 || program.state() == QProcess::NotRunning) {
                return false;
            }
            QThread::msleep(20);
        }
        return true;
    }

    QTemporaryDir runtime_;
    QTemporaryDir config_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
};

TEST_F(QmbproProcess, HelpAndVersionWorkWithoutADisplayAndAStartSaysWhatIsMissing)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment_.remove(name);
    }
    QProcess help;
    Start(help, {"--help"});
    ASSERT_TRUE(help.waitForFinished());
    EXPECT_EQ(help.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(help.exitCode(), 0);
    EXPECT_TRUE(help.readAllStandardOutput().startsWith("usage: qmbpro"));

    QProcess version;
    Start(version, {"--version"});
    ASSERT_TRUE(version.waitForFinished());
    EXPECT_EQ(version.exitCode(), 0);
    EXPECT_TRUE(version.readAllStandardOutput().startsWith("qmbpro 1."));

    QProcess start;
    Start(start, {"--demo"});
    ASSERT_TRUE(start.waitForFinished());
    EXPECT_EQ(start.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(start.exitCode(), 1);
    EXPECT_EQ(start.readAllStandardError(), "qmbpro: no display: set DISPLAY or WAYLAND_DISPLAY\n");
}

TEST_F(QmbproProcess, TheSessionsEndingSignalsQuitCleanlyAndTakeTheSocketAlong)
{
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        QProcess program;
        Start(program, {"--demo"});
        ASSERT_TRUE(WaitForSocket(program)) << "signal " << signal;
        kill(static_cast<pid_t>(program.processId()), signal);
        ASSERT_TRUE(program.waitForFinished(5000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << "signal " << signal;
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_FALSE(QFile::exists(SocketPath())) << "signal " << signal;
    }
}

TEST_F(QmbproProcess, AGivenModelStartsWhateverTheMachineSettingsAre)
{
    // A FIFO nobody writes to: opening it for reading would wait forever.
    ASSERT_TRUE(QDir(config_.path()).mkpath("VELD"));
    ASSERT_EQ(mkfifo(QFile::encodeName(config_.filePath("VELD/QMB_VIZado.conf")).constData(), 0600), 0);
    QProcess program;
    Start(program, {"--demo", "--model", "1"});
    ASSERT_TRUE(WaitForSocket(program));
    // Only a program that reached its event loop ends at SIGTERM as it should.
    kill(static_cast<pid_t>(program.processId()), SIGTERM);
    EXPECT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST(HelpFile, AManualPlantedInTheWorkingDirectoryIsNeverOpened)
{
    QTemporaryDir downloads;
    QTemporaryDir data;
    ASSERT_TRUE(downloads.isValid() && data.isValid());
    QFile planted(downloads.filePath("QMB_VIZado.chm"));
    ASSERT_TRUE(planted.open(QIODevice::WriteOnly));
    const QString workingDirectory = QDir::currentPath();
    const QByteArray dataDirs = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path()));
    QDir::setCurrent(downloads.path());

    const QUrl bundled = HelpUrl(Language::English);
    EXPECT_NE(bundled.toLocalFile(), planted.fileName());
    EXPECT_TRUE(bundled.toLocalFile().endsWith("manual_en.html")) << bundled.toString().toStdString();

    ASSERT_TRUE(QDir(data.path()).mkpath("qmbpro"));
    QFile installed(data.filePath("qmbpro/QMB_VIZado.chm"));
    ASSERT_TRUE(installed.open(QIODevice::WriteOnly));
    EXPECT_EQ(HelpUrl(Language::English).toLocalFile(), installed.fileName());

    QDir::setCurrent(workingDirectory);
    qputenv("XDG_DATA_DIRS", dataDirs);
}

}  // namespace
}  // namespace qmb
