#pragma once

#include <QPixmap>
#include <QSlider>

namespace qmb {

// A horizontal slider drawn on the skin: a thumb over a snapshot of the
// parent's picture beneath it, taken at the first paint and kept. The
// track and its tick marks belong to the skin; the thumb's centre runs
// from kThumbWidth / 2 to width - kThumbWidth / 2, where the ticks are.
//
// `scrolled` is the user's notification: sent for every step of a drag, at
// its release, and for every key or wheel step; never for setValue.
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
    void wheelEvent(QWheelEvent* event) override;

private:
    int ValueAt(int x) const;
    void TakeSnapshot();
    void MoveBy(int value);

    QPixmap snapshot_;
};

}  // namespace qmb
