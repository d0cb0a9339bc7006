// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <string>

#include "settings/settings_store.h"
#include "settings/site_titles.h"
#include "settings_sandbox.h"

namespace qmb {
namespace {

class SettingsConcurrencyTest : public test::SettingsSandbox {};

TEST_F(SettingsConcurrencyTest, TwoProcessesStoringTitlesAtOnceLoseNeithersTitles)
{
    constexpr int kRounds = 6;
    QProcess first;
    QProcess second;
    for (QProcess* writer : {&first, &second})
        writer->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    first.start(QString::fromUtf8(QMB_TITLE_WRITER), {"0", "15", "A", QString::number(kRounds)});
    second.start(QString::fromUtf8(QMB_TITLE_WRITER), {"15", "16", "B", QString::number(kRounds)});
    for (QProcess* writer : {&first, &second}) {
        ASSERT_TRUE(writer->waitForFinished(60'000));
        EXPECT_EQ(writer->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(writer->exitCode(), 0);
    }

    const auto titles = LoadSiteTitles();
    ASSERT_TRUE(titles);
    const std::string last = std::to_string(1000 + kRounds - 1);
    for (int index = 0; index < kSiteSlotCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_EQ(titles->at(index), (index < 15 ? "A-" : "B-") + last);
    }
}

// Other processes notice a save by the file's size or its modification time
// in milliseconds. The file system's clock moves in steps of several
// milliseconds, so a same-sized save may come within the same step as the
// one before; the time set ahead here stands for that step.
TEST_F(SettingsConcurrencyTest, SameSizedSaveWithinOneClockStepIsStillNoticeable)
{
    WriteUserDword(kUserKey, kTopMostName, 1);
    const QDateTime previous = QDateTime::currentDateTimeUtc().addSecs(10);
    {
        QFile file(UserFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        ASSERT_TRUE(file.setFileTime(previous, QFileDevice::FileModificationTime));
    }
    const qint64 size = QFileInfo(UserFile()).size();

    ASSERT_EQ(WriteUserDword(kUserKey, kTopMostName, 2), 1);
    const QFileInfo saved(UserFile());
    EXPECT_EQ(saved.size(), size);
    EXPECT_GT(saved.lastModified(), previous);
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 2u);
}

}  // namespace
}  // namespace qmb
