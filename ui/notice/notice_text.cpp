// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/notice/notice_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace qmb {

namespace {

// The letters are sized as a cell (ascent plus descent) this high, with
// characters this wide on average, whichever face the system provides.
constexpr int kCellHeight = 60;
constexpr int kAverageCharacterWidth = 26;

}  // namespace

QFont NoticeFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setWeight(QFont::DemiBold);
    font.setPixelSize(kCellHeight);
    font.setPixelSize(std::max(1, kCellHeight * kCellHeight / std::max(1, QFontMetrics(font).height())));
    font.setStretch(std::clamp(100 * kAverageCharacterWidth / std::max(1, QFontMetrics(font).averageCharWidth()),
                               int{QFont::UltraCondensed}, int{QFont::UltraExpanded}));
    return font;
}

QString NoticeLine(const QString& text)
{
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (characters.toNextBoundary() != -1) {
        if (++count == kNoticeMaxCharacters) {
            return text.left(characters.position());
        }
    }
    return text;
}

QImage RenderNoticeText(const QString& line, QColor colour, qreal scale)
{
    QImage image(kNoticeSize * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setFont(NoticeFont());
    painter.setPen(colour);
    painter.drawText(QRect(QPoint(), kNoticeSize), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, line);
    return image;
}

}  // namespace qmb
