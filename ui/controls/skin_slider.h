// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPixmap>
#include <QSlider>
#include <QTimer>

namespace qmb {

// A horizontal slider drawn on the skin: a thumb over a snapshot of the
// parent's picture beneath it, taken at the first paint and kept. The
// track and its tick marks belong to the skin; the thumb's centre runs
// from kThumbWidth / 2 to width - kThumbWidth / 2, where the ticks are.
//
// It takes input as a trackbar does. A press on the thumb drags it; a press
// in the channel beside it moves it one page toward the press, and again
// and again while held, until the thumb reaches the pointer. Keys follow
// Qt's convention, not the trackbar's: Up and Page Up raise the value.
//
// `scrolled` is the user's notification: sent for every step of a drag, of
// a held press in the channel, and for every key or wheel step; and once
// more when the track ends, at the mouse button's or a key's release. Never
// for setValue.
class SkinSlider : public QSlider {
    Q_OBJECT
public:
    static constexpr int kThumbWidth = 14;

    explicit SkinSlider(QWidget* parent = nullptr);

    // Where the thumb's centre sits for a value.
    int ThumbCentre(int value) const;

signals:
    void scrolled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int ValueAt(int x) const;
    // -1 left of the thumb, 1 right of it, 0 on it.
    int SideOfThumb(int x) const;
    void TakeSnapshot();
    void MoveBy(int value);
    void PageTowardsPointer();
    void EndTrack();

    QPixmap snapshot_;
    // While a press in the channel is held: the way it pages (never
    // reversed, so the thumb cannot rock about the pointer) and where the
    // pointer is now.
    int pageDirection_ = 0;
    int pagePointerX_ = 0;
    QTimer pageRepeat_;
};

}  // namespace qmb
