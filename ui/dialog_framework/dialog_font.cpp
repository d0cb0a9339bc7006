// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialog_framework/dialog_font.h"

#include <QApplication>

namespace qmb {

QFont DialogFont(Language language, int pixels)
{
    QFont font = QApplication::font();
    if (language == Language::Korean) {
        font.setFamilies({QStringLiteral("NanumGothic"), QStringLiteral("NanumBarunGothic"), font.family()});
    }
    font.setPixelSize(pixels);
    return font;
}

}  // namespace qmb
