// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractButton>

namespace qmb {

// A push button that is nothing but a skin picture: one face normally, the
// other while pressed. Disabled, it keeps its normal face.
class SkinBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit SkinBitmapButton(QWidget* parent = nullptr);

    void LoadBitmaps(int normalSkin, int pressedSkin);
    int normalSkin() const { return normalSkin_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int normalSkin_ = 0;
    int pressedSkin_ = 0;
};

}  // namespace qmb
