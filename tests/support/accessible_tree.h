// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessible>
#include <QObject>
#include <QStringList>

#include <set>

namespace qmb::test {

// The controls a screen reader lands on in the tree below `node` that it
// could call nothing: no name and no label, by object name and role.
inline QStringList UnnamedControls(QAccessibleInterface* node)
{
    static const std::set<QAccessible::Role> kControls{
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::Slider,     QAccessible::Dialog,
    };
    QStringList unnamed;
    const bool named = !node->text(QAccessible::Name).isEmpty() || !node->relations(QAccessible::Label).isEmpty();
    if (!node->state().invisible && kControls.contains(node->role()) && !named) {
        unnamed << QStringLiteral("%1 (role %2)").arg(node->object()->objectName()).arg(node->role());
    }
    for (int i = 0; i < node->childCount(); ++i) {
        unnamed << UnnamedControls(node->child(i));
    }
    return unnamed;
}

}  // namespace qmb::test
