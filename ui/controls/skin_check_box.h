// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QCheckBox>

namespace qmb {

// A caption-less check box for a place on the skin smaller than the
// style's indicator: a box drawn whole within the place, with room around
// it for the focus ring, dimmed when disabled. The whole place takes clicks.
class SkinCheckBox : public QCheckBox {
    Q_OBJECT
public:
    static inline const QColor kBox{255, 255, 255};
    static inline const QColor kMark{0, 0, 140};

    explicit SkinCheckBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool hitButton(const QPoint& position) const override;

private:
    QColor skinBeside_;
};

}  // namespace qmb
