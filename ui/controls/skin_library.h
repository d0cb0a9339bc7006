// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace qmb {

// The skin pictures of the control box, drawn from SVG at the screen's pixel
// density. Pictures that carry words follow the application's default
// QLocale: Korean there gives the Korean pictures, any other language the
// English ones. GUI thread only, like QPixmap itself.

// `bitmapId` drawn into `logicalSize` on a screen of `devicePixelRatio`: a
// pixmap of logicalSize * devicePixelRatio device pixels that reports that
// ratio. Null for an unknown id, an empty size or a ratio that is not a
// positive number.
QPixmap RenderSkin(int bitmapId, const QSize& logicalSize, qreal devicePixelRatio);

// The picture's native size; an invalid QSize for an unknown id.
QSize SkinSize(int bitmapId);

// The program's icon at the sizes trays, panels and title bars ask for.
QIcon ProgramIcon();

}  // namespace qmb
