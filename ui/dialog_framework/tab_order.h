// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include <functional>
#include <span>

namespace qmb {

// Tab walks the window's controls as they are read on the screen: row by
// row from the top, left to right within a row. Controls whose middles
// lie within the height of a row's topmost control share its row.
void OrderTabsByPlace(QWidget& window);

// Tab walks `controls` in the order given, for a window whose reading
// order is not its rows'.
void OrderTabs(std::span<QWidget* const> controls);

// The first control Tab reaches in the window that is shown, enabled and
// `wanted`; null when there is none.
QWidget* FirstTabStop(QWidget& window, const std::function<bool(const QWidget&)>& wanted);

// Each list and field of the window is named, for screen readers, by the
// label just left of it on its row, or else the nearest one above it, or
// else the title of the group it sits in.
void NameFieldsByLabels(QWidget& window);

}  // namespace qmb
