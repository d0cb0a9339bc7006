// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <span>

#include "ui/controls/language.h"
#include "ui/dialog_framework/dialog_units.h"

namespace qmb {

// One control of a window's template, in dialog units, in template order.
// Templates with one layout give the same rectangle twice.
template <typename Kind>
struct ControlPlace {
    int id;
    Kind kind;
    QRect korean;
    QRect english;
};

// Builds a window's controls from its template: `make` creates the widget
// for a place as a child of the window. Each control gets its id as its
// objectName (handlers and tests find it by that) and its place in the
// language's layout; made in template order, the controls take the
// template's tab order.
template <typename Kind, typename Make>
void PlaceControls(std::span<const ControlPlace<Kind>> places, Language language, Make make)
{
    for (const auto& place : places) {
        QWidget* control = make(place);
        control->setObjectName(QString::number(place.id));
        control->setGeometry(UnitsToPixels(ForLanguage(language, place.english, place.korean)));
    }
}

}  // namespace qmb
