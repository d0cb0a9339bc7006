// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialog_framework/skinned_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "ui/controls/color_static.h"
#include "ui/controls/compact_list_style.h"
#include "ui/controls/group_frame.h"
#include "ui/controls/skin_button.h"
#include "ui/dialog_framework/dialog_font.h"
#include "ui/dialog_framework/drag_by_body.h"
#include "ui/dialog_framework/tab_order.h"

namespace qmb {

SkinnedDialog::SkinnedDialog(Language language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowOpacity(kOpacityPercent / 100.0);
    DragByBody::Install(*this);
    setFont(DialogFont(language, kFontPixels));
}

void SkinnedDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnEnter(focusWidget());
        return;
    }
    QDialog::keyPressEvent(event);
}

SkinButton* SkinnedDialog::button(int id) const
{
    return findChild<SkinButton*>(QString::number(id));
}

QComboBox* SkinnedDialog::list(int id) const
{
    return findChild<QComboBox*>(QString::number(id));
}

GroupFrame* SkinnedDialog::AddGroup(const QString& title)
{
    return new GroupFrame(title, this);
}

ColorStatic* SkinnedDialog::AddLabel(const QString& text)
{
    auto* label = new ColorStatic(this);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    label->SetLabelColor(kLabelColour);
    return label;
}

QComboBox* SkinnedDialog::AddList()
{
    return new QComboBox(this);
}

SkinButton* SkinnedDialog::AddButton(const QString& caption, const QString& tip)
{
    auto* button = new SkinButton(this);
    button->setText(caption);
    // Enter means the dialog's own confirm, not the button with the focus.
    button->setAutoDefault(false);
    if (!tip.isEmpty()) {
        button->SetTooltip(tip, kLabelColour, kTipText);
    }
    return button;
}

void SkinnedDialog::FinishControls()
{
    const auto colour = [](QWidget* control) {
        QPalette colours = control->palette();
        colours.setColor(QPalette::Base, kControlBackground);
        colours.setColor(QPalette::Button, kControlBackground);
        control->setPalette(colours);
    };
    auto* compact = new CompactListStyle;
    compact->setParent(this);
    for (QComboBox* list : findChildren<QComboBox*>()) {
        colour(list);
        list->setStyle(compact);
        // The open list in the closed box's font, not the menus'.
        list->view()->setFont(font());
    }
    for (QWidget* control : findChildren<QLineEdit*>()) {
        colour(control);
    }
    if (const auto* group = findChild<GroupFrame*>()) {
        setWindowTitle(group->title());
    }
    NameFieldsByLabels(*this);
    OrderTabsByPlace(*this);
}

void SkinnedDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (focusWidget()) {
        return;
    }
    // The first field, not whatever button comes first.
    const auto isField = [](const QWidget& w) { return qobject_cast<const QComboBox*>(&w) || qobject_cast<const QLineEdit*>(&w); };
    if (QWidget* field = FirstTabStop(*this, isField)) {
        field->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace qmb
