// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace qmb::test {

// A top-level window painted in two bands, to put controls on.
class BandedSkin : public QWidget {
public:
    static constexpr int kBandHeight = 40;

    BandedSkin(QColor top, QColor bottom) : top_(top), bottom_(bottom) { resize(300, 2 * kBandHeight); }

    void Repaint(QColor top, QColor bottom)
    {
        top_ = top;
        bottom_ = bottom;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(0, 0, width(), kBandHeight, top_);
        painter.fillRect(0, kBandHeight, width(), height() - kBandHeight, bottom_);
    }

private:
    QColor top_;
    QColor bottom_;
};

// Lets pending paints reach the window.
inline void Settle()
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 100) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

// The pixels the window holds where widget is: what was last painted and
// flushed there, not a fresh rendering as QWidget::grab() would make.
inline QImage OnScreen(const QWidget* widget)
{
    const QWidget* window = widget->window();
    const QPoint origin = widget->mapTo(window, QPoint());
    return window->screen()
        ->grabWindow(window->winId(), origin.x(), origin.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

inline int CountPixels(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixel(x, y) == colour.rgb() ? 1 : 0;
        }
    }
    return count;
}

}  // namespace qmb::test
