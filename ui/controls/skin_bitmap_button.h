// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractButton>
#include <QColor>

namespace qmb {

// A push button that is nothing but a skin picture: one face normally, the
// other while pressed. Disabled, its normal face is dimmed, unless it
// keeps it.
class SkinBitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit SkinBitmapButton(QWidget* parent = nullptr);

    void LoadBitmaps(int normalSkin, int pressedSkin);
    int normalSkin() const { return normalSkin_; }
    // For a button disabled because what it chooses is already chosen: its
    // face says so, and dimming it would say it is unavailable.
    void KeepFaceWhenDisabled() { keepsFace_ = true; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int normalSkin_ = 0;
    int pressedSkin_ = 0;
    bool keepsFace_ = false;
    QColor skinBeside_;
};

}  // namespace qmb
