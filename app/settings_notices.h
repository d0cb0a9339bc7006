// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include "settings/settings_problems.h"

namespace qmb {

// The notice that tells the user of a settings problem, in their language.
QString SettingsProblemNotice(settings::Problem kind);

// From now on, settings problems are told on standard error as in every
// program, and in a notice: the tray program has no terminal to be read.
void ShowSettingsProblemsAsNotices();

}  // namespace qmb
