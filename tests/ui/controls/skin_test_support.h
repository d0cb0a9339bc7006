// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QLocale>
#include <QPixmap>

namespace qmb::test {

// Sets the application's default locale for one test and puts the old one
// back afterwards.
class ScopedLanguage {
public:
    explicit ScopedLanguage(QLocale::Language language) : previous_(QLocale())
    {
        QLocale::setDefault(QLocale(language));
    }
    ~ScopedLanguage() { QLocale::setDefault(previous_); }
    ScopedLanguage(const ScopedLanguage&) = delete;
    ScopedLanguage& operator=(const ScopedLanguage&) = delete;

private:
    QLocale previous_;
};

// The pixmap's pixels, one per device pixel, straight (not premultiplied).
inline QImage DevicePixels(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace qmb::test
