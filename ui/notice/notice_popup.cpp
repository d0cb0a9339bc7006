// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/notice/notice_popup.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <utility>

#include "ui/notice/device_pixel_shape.h"
#include "ui/notice/notice_text.h"
#include "ui/notice/region_from_bitmap.h"

namespace qmb {

namespace {

// Anti-aliased edge pixels darker than this stay outside the letters.
constexpr QRgb kBackgroundKey = qRgb(0, 0, 0);
constexpr QRgb kEdgeTolerance = qRgb(16, 16, 16);

// Bypassing the window manager (an override-redirect window on X11) keeps
// the popup exactly where it is put, out of the task bar and the window
// switcher, unfocusable and without a show animation: a window manager would
// otherwise be free to place it, decorate it or hand it the focus on a
// click.
constexpr Qt::WindowFlags kPopupFlags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                        Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint;

NoticePopup* currentNotice = nullptr;

// Runs when the application object goes, so that a notice still up at exit
// is released with it.
void DiscardCurrentNotice()
{
    delete std::exchange(currentNotice, nullptr);
}

QPoint CentredOnPrimaryScreen(QSize size)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->geometry();
    return area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
}

}  // namespace

NoticePopup::NoticePopup()
    : QWidget(nullptr, kPopupFlags)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(kNoticeSize);
    // A coarse timer may fire a little early; a notice gets its full time.
    expiry.setTimerType(Qt::PreciseTimer);
    expiry.setSingleShot(true);
    connect(&expiry, &QTimer::timeout, this, &NoticePopup::Expire);
}

void NoticePopup::Present(const QString& line, QColor colour, int milliseconds)
{
    const QRegion letters = RegionFromBitmap(RenderNoticeText(line, colour), kBackgroundKey, kEdgeTolerance);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal scale = screen ? screen->devicePixelRatio() : 1;
    noticeColour = colour;
    // What the letters say, for screen readers.
    setAccessibleName(line);
    // An empty mask would mean no mask at all, a solid bar across the screen.
    if (letters.isEmpty()) {
        hide();
    } else {
        // On a scaled screen a mask's edges step by whole units; the letters
        // are cut at the screen's own pixels where that can be done.
        const bool cut = scale > 1 && CutToDevicePixels(*this, RegionFromBitmap(RenderNoticeText(line, colour, scale),
                                                                               kBackgroundKey, kEdgeTolerance));
        if (!cut) {
            setMask(letters);
        }
        move(CentredOnPrimaryScreen(size()));
        show();
        raise();
        update();
        // A notice takes no focus, so a reader would not hear it otherwise.
        QAccessibleEvent alert(this, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
    expiry.start(std::max(0, milliseconds));
}

void NoticePopup::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), noticeColour);
}

void NoticePopup::Expire()
{
    hide();
    currentNotice = nullptr;
    qRemovePostRoutine(DiscardCurrentNotice);
    deleteLater();
}

void ShowNotice(const QString& text, QColor colour, int milliseconds)
{
    if (currentNotice == nullptr) {
        currentNotice = new NoticePopup;
        qAddPostRoutine(DiscardCurrentNotice);
    }
    currentNotice->Present(NoticeLine(text), colour, milliseconds);
}

void ShowFailureNotice(const QString& text)
{
    ShowNotice(text, kFailureNoticeColour, kNoticeMilliseconds);
}

}  // namespace qmb
