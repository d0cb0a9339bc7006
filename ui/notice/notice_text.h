// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace qmb {

// The notice's text area; the letters are cut out of a surface this size.
inline constexpr QSize kNoticeSize(800, 77);

// Longer texts are cut to this many characters.
inline constexpr int kNoticeMaxCharacters = 60;

// The notice's letters: Arial or the nearest face, demi-bold, in a cell 60
// pixels high with characters 26 pixels wide on average.
QFont NoticeFont();

// The first kNoticeMaxCharacters characters of text, a character being what
// the reader sees as one (a surrogate pair or a base letter with its marks is
// never split).
QString NoticeLine(const QString& text);

// The line drawn in colour on black, on one line, centred horizontally and
// aligned to the top of a kNoticeSize surface; what does not fit is clipped.
// At a `scale` above 1 the picture has that many pixels to each of its
// units, as a high-density screen shows it.
QImage RenderNoticeText(const QString& line, QColor colour, qreal scale = 1);

}  // namespace qmb
