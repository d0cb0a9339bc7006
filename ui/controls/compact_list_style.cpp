// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/controls/compact_list_style.h"

#include <QStyleOptionComplex>

namespace qmb {

namespace {

constexpr int kTextMargin = 3;

}  // namespace

QRect CompactListStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                       const QWidget* widget) const
{
    if (control != CC_ComboBox) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    const QRect box = option->rect;
    switch (part) {
    case SC_ComboBoxArrow:
        return {box.right() - kArrowWidth + 1, box.top(), kArrowWidth, box.height()};
    case SC_ComboBoxEditField:
        return box.adjusted(kTextMargin, 1, -kArrowWidth - 1, -1);
    default:
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
}

}  // namespace qmb
