// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QGroupBox>

namespace qmb {

// A dialog's group box: a thin frame whose title sits in its top edge, in
// blue and the desktop's own font, so the controls inside keep all of the
// room their places give them.
class GroupFrame : public QGroupBox {
    Q_OBJECT
public:
    static inline const QColor kTitleColour{0, 0, 255};

    GroupFrame(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace qmb
