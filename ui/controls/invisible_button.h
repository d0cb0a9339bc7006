// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractButton>

namespace qmb {

// A button that draws nothing but its keyboard focus: it lies over a mark
// painted on the skin, which is what the user sees and clicks.
class InvisibleButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit InvisibleButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qmb
