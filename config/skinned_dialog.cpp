#include "config/skinned_dialog.h"

#include <QComboBox>
#include <QLineEdit>

#include "config/drag_by_body.h"
#include "controls/compact_list_style.h"

namespace qmb {

SkinnedDialog::SkinnedDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowOpacity(kOpacityPercent / 100.0);
    DragByBody::Install(*this);
    // The size the dialog units were laid out for.
    QFont small = font();
    small.setPixelSize(kFontPixels);
    setFont(small);
}

void SkinnedDialog::ApplyControlColours()
{
    const auto colour = [](QWidget* control) {
        QPalette colours = control->palette();
        colours.setColor(QPalette::Base, kControlBackground);
        colours.setColor(QPalette::Button, kControlBackground);
        control->setPalette(colours);
    };
    auto* compact = new CompactListStyle;
    compact->setParent(this);
    QFont listFont = font();
    listFont.setPixelSize(kListFontPixels);
    for (QComboBox* list : findChildren<QComboBox*>()) {
        colour(list);
        list->setStyle(compact);
        list->setFont(listFont);
    }
    for (QWidget* control : findChildren<QLineEdit*>()) {
        colour(control);
    }
}

}  // namespace qmb
