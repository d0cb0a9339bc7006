#pragma once

#include <QString>
#include <QUrl>

namespace qmb {

// The help to open: "QMB_VIZado.chm" in the working directory or the
// program's data directory when there is one, else the manual that comes
// with the program, in the UI language, written out as a page the desktop
// can open.
QUrl HelpUrl(bool korean);

// Asks the desktop to open the help; nothing is shown when it cannot.
void OpenHelp(bool korean);

}  // namespace qmb
