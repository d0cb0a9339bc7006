// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLabel>

namespace qmb {

// Text straight on the painted skin: no background of its own, so the
// skin shows around and behind the letters, and a shorter new text leaves
// nothing of the old one behind.
class CTransparentStatic : public QLabel {
    Q_OBJECT
public:
    explicit CTransparentStatic(QWidget* parent = nullptr);
};

}  // namespace qmb
