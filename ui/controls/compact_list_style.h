// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProxyStyle>

namespace qmb {

// Drop-down lists as narrow as the dialogs' templates make them: a slim
// arrow leaves the rest of the box to the chosen entry's text.
class CompactListStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kArrowWidth = 13;

    using QProxyStyle::QProxyStyle;

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
};

}  // namespace qmb
