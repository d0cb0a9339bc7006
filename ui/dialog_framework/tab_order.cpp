// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialog_framework/tab_order.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <optional>
#include <vector>

namespace qmb {

namespace {

std::vector<QWidget*> TabStops(QWidget& window)
{
    std::vector<QWidget*> stops;
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() & Qt::TabFocus) {
            stops.push_back(child);
        }
    }
    return stops;
}

bool SharesRow(const QRect& control, const QRect& rowStart)
{
    const int middle = control.center().y();
    return middle >= rowStart.top() && middle <= rowStart.bottom();
}

}  // namespace

void OrderTabsByPlace(QWidget& window)
{
    std::vector<QWidget*> stops = TabStops(window);
    std::ranges::sort(stops, [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    std::vector<QWidget*> ordered;
    for (auto rowStart = stops.begin(); rowStart != stops.end();) {
        const QRect first = (*rowStart)->geometry();
        const auto rowEnd =
            std::find_if(rowStart, stops.end(), [&](QWidget* w) { return !SharesRow(w->geometry(), first); });
        std::vector<QWidget*> row(rowStart, rowEnd);
        std::ranges::sort(row, [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        ordered.insert(ordered.end(), row.begin(), row.end());
        rowStart = rowEnd;
    }
    OrderTabs(ordered);
}

void OrderTabs(std::span<QWidget* const> controls)
{
    for (size_t i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
}

QWidget* FirstTabStop(QWidget& window, const std::function<bool(const QWidget&)>& wanted)
{
    for (QWidget* next = window.nextInFocusChain(); next != &window; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(&window) && next->isEnabled() && wanted(*next)) {
            return next;
        }
    }
    return nullptr;
}

void NameFieldsByLabels(QWidget& window)
{
    const auto labels = window.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    const auto groups = window.findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* field : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        auto* list = qobject_cast<QComboBox*>(field);
        if (!list && !qobject_cast<QLineEdit*>(field)) {
            continue;
        }
        const QRect place = field->geometry();
        QLabel* beside = nullptr;
        QLabel* above = nullptr;
        for (QLabel* label : labels) {
            const QRect at = label->geometry();
            if (label->text().isEmpty()) {
                continue;
            }
            if (at.right() < place.left() && SharesRow(at, place) && (!beside || at.x() > beside->x())) {
                beside = label;
            }
            const bool overlaps = at.left() < place.right() && at.right() > place.left();
            if (at.bottom() < place.top() && overlaps && (!above || at.y() > above->y())) {
                above = label;
            }
        }
        QString name;
        if (QLabel* label = beside ? beside : above) {
            name = label->text();
            // Two fields in one place, one shown at a time, share a label.
            if (!label->buddy()) {
                label->setBuddy(field);
            }
        } else {
            const auto group = std::ranges::find_if(groups, [&](QGroupBox* g) { return g->geometry().contains(place); });
            name = group != groups.end() ? (*group)->title() : QString();
        }
        name = name.remove(QLatin1Char(':')).trimmed();
        field->setAccessibleName(name);
        if (list && list->lineEdit()) {
            list->lineEdit()->setAccessibleName(name);
        }
    }
}

}  // namespace qmb
