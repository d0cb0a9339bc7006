// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

#include "app/settings_notices.h"
#include "settings/settings_store.h"
#include "tests/support/notice_on_screen.h"

namespace qmb {
namespace {

using settings::Problem;

TEST(SettingsNotices, TheTrayProgramShowsASaveThatFailsAsANotice)
{
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    const QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    ASSERT_TRUE(QDir().mkpath(config.filePath("VELD/QMBPro.conf")));
    test::HideNotices();

    ShowSettingsProblemsAsNotices();
    const int written = WriteUserDword(kUserKey, kTopMostName, 1);
    settings::SetProblemHandler({});
    qputenv("XDG_CONFIG_HOME", savedConfigHome);

    EXPECT_EQ(written, 0);
    EXPECT_EQ(test::NoticeOnScreen(), "Settings cannot be saved");
    test::HideNotices();
}

TEST(SettingsNotices, EveryProblemHasItsKoreanNotice)
{
    QTranslator korean;
    ASSERT_TRUE(korean.load(":/i18n/qmbpro_ko.qm"));
    QCoreApplication::installTranslator(&korean);
    const QString skipped = SettingsProblemNotice(Problem::FileSkipped);
    const QString kept = SettingsProblemNotice(Problem::DamagedFileKept);
    const QString cannotSave = SettingsProblemNotice(Problem::CannotSave);
    QCoreApplication::removeTranslator(&korean);

    EXPECT_EQ(skipped, "설정 파일 하나를 무시했습니다");
    EXPECT_EQ(kept, "손상된 설정 파일의 사본을 보관했습니다");
    EXPECT_EQ(cannotSave, "설정을 저장할 수 없습니다");
}

}  // namespace
}  // namespace qmb
