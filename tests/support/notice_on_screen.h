// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QApplication>
#include <QString>

#include "ui/notice/notice_popup.h"

namespace qmb::test {

// The notice on screen now, in its words; empty when none shows.
inline QString NoticeOnScreen()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<NoticePopup*>(widget) && widget->isVisible()) {
            return widget->accessibleName();
        }
    }
    return {};
}

// Takes every notice down, so the next test starts with none.
inline void HideNotices()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<NoticePopup*>(widget)) {
            widget->hide();
        }
    }
}

}  // namespace qmb::test
