// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QUrl>

#include "ui/controls/language.h"

namespace qmb {

// The help to open: "QMB_VIZado.chm" from the data directories the program
// is installed in, else the manual that comes with the program, in the UI
// language, written out as a page the desktop can open. Never one from the
// working directory, which may be a download folder.
QUrl HelpUrl(Language language);

// Asks the desktop to open the help; false when it cannot.
bool OpenHelp(Language language);

}  // namespace qmb
