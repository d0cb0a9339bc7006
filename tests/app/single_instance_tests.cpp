#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    }

    QTemporaryDir runtime_;
    QTemporaryDir config_;
    QByteArray savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
    QByteArray savedConfig_ = qgetenv("XDG_CONFIG_HOME");
};

TEST_F(SingleInstanceTest, SecondCopyIsRefusedAndCanAskTheFirstToShow)
{
    SingleInstance first("QMBProTest");
    ASSERT_TRUE(first.Acquire());
    bool asked = false;
    QObject::connect(&first, &SingleInstance::showRequested, [&] { asked = true; });

    SingleInstance second("QMBProTest");
    EXPECT_FALSE(second.Acquire());
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
        ASSERT_TRUE(first.Acquire());
    }
    SingleInstance next("QMBProTest");
    EXPECT_TRUE(next.Acquire());
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
    EXPECT_TRUE(next.Acquire());
}

}  // namespace
}  // namespace qmb
