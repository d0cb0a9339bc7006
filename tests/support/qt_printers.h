// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

// GoogleTest finds these by argument-dependent lookup, so they live in the
// global namespace with the Qt types; without them a failed comparison of
// Qt values shows their raw bytes.

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QPoint& point, std::ostream* os)
{
    *os << '(' << point.x() << ", " << point.y() << ')';
}

inline void PrintTo(const QSize& size, std::ostream* os)
{
    *os << size.width() << 'x' << size.height();
}

inline void PrintTo(const QRect& rect, std::ostream* os)
{
    *os << rect.width() << 'x' << rect.height() << " at (" << rect.x() << ", " << rect.y() << ')';
}

inline void PrintTo(const QColor& colour, std::ostream* os)
{
    *os << colour.name(QColor::HexArgb).toStdString();
}
