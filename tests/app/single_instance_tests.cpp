// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/single_instance.h"

namespace qmb {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(runtime_.isValid());
        QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
    }
    void TearDown() override
    {
        qputenv("XDG_RUNTIME_DIR", savedRuntime_);
        qputenv("XDG_CONFIG_HOME", savedConfig_);
        qputenv("TMPDIR", savedTemp_);
    }

    // A path nobody can create, root included: its parent is a regular
    // file.
    QString Uncreatable()
    {
        QFile blocker(config_.filePath("not-a-directory"));
        EXPECT_TRUE(blocker.open(QIODevice::WriteOnly));
        return blocker.fileName() + "/runtime";
    }

    QTemporaryDir runtime_;
    QTemporaryDir config_;
    QByteArray savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
    QByteArray savedConfig_ = qgetenv("XDG_CONFIG_HOME");
    QByteArray savedTemp_ = qgetenv("TMPDIR");
};

TEST_F(SingleInstanceTest, SecondCopyIsRefusedAndCanAskTheFirstToShow)
{
    SingleInstance first("QMBProTest");
    ASSERT_EQ(first.Acquire(), SingleInstance::Lock::Acquired);
    bool asked = false;
    QObject::connect(&first, &SingleInstance::showRequested, [&] { asked = true; });

    SingleInstance second("QMBProTest");
    EXPECT_EQ(second.Acquire(), SingleInstance::Lock::HeldByAnother);
    EXPECT_TRUE(second.AskRunningToShow());
    QElapsedTimer timer;
    timer.start();
    while (!asked && timer.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_TRUE(asked);
}

TEST_F(SingleInstanceTest, LockGoesWithItsHolder)
{
    {
        SingleInstance first("QMBProTest");
        ASSERT_EQ(first.Acquire(), SingleInstance::Lock::Acquired);
    }
    SingleInstance next("QMBProTest");
    EXPECT_EQ(next.Acquire(), SingleInstance::Lock::Acquired);
}

TEST_F(SingleInstanceTest, CrashedCopyNeverBlocksTheNextStart)
{
    // A copy that dies without cleaning up leaves its lock file and socket.
    QProcess holder;
    holder.start(QMBPRO_PATH, {"--demo"});
    ASSERT_TRUE(holder.waitForStarted());
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(runtime_.filePath("QMBPro.socket")) && timer.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ASSERT_TRUE(QFile::exists(runtime_.filePath("QMBPro.socket")));

    QProcess second;
    second.start(QMBPRO_PATH, {"--demo"});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(holder.state(), QProcess::Running);

    holder.kill();
    holder.waitForFinished();
    SingleInstance next("QMBPro");
    EXPECT_EQ(next.Acquire(), SingleInstance::Lock::Acquired);
}

TEST_F(SingleInstanceTest, UnusableRuntimeDirectoryIsNoOtherCopy)
{
    const QString uncreatable = Uncreatable();
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(uncreatable));
    SingleInstance nowhere("QMBProTest");
    EXPECT_EQ(nowhere.Acquire(), SingleInstance::Lock::Unavailable);
    EXPECT_TRUE(nowhere.failure().contains(uncreatable)) << nowhere.failure().toStdString();

    // A lock file that cannot be opened, whoever runs this.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
    ASSERT_TRUE(QDir(runtime_.path()).mkdir("QMBProTest.lock"));
    SingleInstance blocked("QMBProTest");
    EXPECT_EQ(blocked.Acquire(), SingleInstance::Lock::Unavailable);
    EXPECT_TRUE(blocked.failure().contains(runtime_.filePath("QMBProTest.lock"))) << blocked.failure().toStdString();
    EXPECT_TRUE(blocked.failure().contains(QString::fromLocal8Bit(std::strerror(EISDIR))))
        << blocked.failure().toStdString();
}

TEST_F(SingleInstanceTest, WithoutARuntimeDirectoryTheLockGoesToAPrivateOneInTheTemporaryDirectory)
{
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QFile::encodeName(runtime_.path()));
    const QString own = runtime_.filePath(QStringLiteral("qmbprotest-%1").arg(geteuid()));
    {
        SingleInstance first("QMBProTest");
        ASSERT_EQ(first.Acquire(), SingleInstance::Lock::Acquired);
        EXPECT_TRUE(QFile::exists(QDir(own).filePath("QMBProTest.lock")));
        struct stat status {};
        ASSERT_EQ(lstat(QFile::encodeName(own).constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0700u);
        SingleInstance second("QMBProTest");
        EXPECT_EQ(second.Acquire(), SingleInstance::Lock::HeldByAnother);
    }

    // Another user could have made it first; one open to others is refused.
    ASSERT_EQ(chmod(QFile::encodeName(own).constData(), 0777), 0);
    SingleInstance exposed("QMBProTest");
    EXPECT_EQ(exposed.Acquire(), SingleInstance::Lock::Unavailable);
    EXPECT_TRUE(exposed.failure().contains(own)) << exposed.failure().toStdString();
}

TEST_F(SingleInstanceTest, ProgramStartsWithoutTheLockAndSaysSoOnce)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", Uncreatable());
    // Qt's own fallback for the runtime directory stays in the sandbox.
    environment.insert("TMPDIR", config_.path());
    program.setProcessEnvironment(environment);
    program.start(QMBPRO_PATH, {"--demo"});
    ASSERT_TRUE(program.waitForStarted());
    EXPECT_FALSE(program.waitForFinished(1500)) << "ended with " << program.exitCode();
    program.kill();
    program.waitForFinished();
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(errors.count("starting without the single-instance check"), 1) << errors.toStdString();
}

}  // namespace
}  // namespace qmb
