// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QLabel>

namespace qmb {

// A dialog's label or group title: text in a chosen colour over the plain
// button-face fill.
class ColorStatic : public QLabel {
    Q_OBJECT
public:
    explicit ColorStatic(QWidget* parent = nullptr);

    void SetLabelColor(const QColor& colour);
    QColor labelColor() const;
};

}  // namespace qmb
