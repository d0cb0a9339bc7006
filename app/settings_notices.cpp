// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/settings_notices.h"

#include <QCoreApplication>

#include "ui/notice/notice_popup.h"

namespace qmb {

QString SettingsProblemNotice(settings::Problem kind)
{
    switch (kind) {
    case settings::Problem::FileSkipped:
        return QCoreApplication::translate("SettingsNotices", "A settings file was ignored");
    case settings::Problem::DamagedFileKept:
        return QCoreApplication::translate("SettingsNotices", "Damaged settings: a copy was kept");
    case settings::Problem::CannotSave:
        return QCoreApplication::translate("SettingsNotices", "Settings cannot be saved");
    }
    return {};
}

void ShowSettingsProblemsAsNotices()
{
    settings::SetProblemHandler([](settings::Problem kind, const QString& line) {
        settings::PrintProblem(kind, line);
        ShowFailureNotice(SettingsProblemNotice(kind));
    });
}

}  // namespace qmb
