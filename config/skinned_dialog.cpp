#include "config/skinned_dialog.h"

#include <QComboBox>
#include <QLineEdit>

#include "config/drag_by_body.h"

namespace qmb {

SkinnedDialog::SkinnedDialog(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowOpacity(kOpacityPercent / 100.0);
    DragByBody::Install(*this);
}

void SkinnedDialog::ApplyControlColours()
{
    const auto colour = [](QWidget* control) {
        QPalette colours = control->palette();
        colours.setColor(QPalette::Base, kControlBackground);
        colours.setColor(QPalette::Button, kControlBackground);
        control->setPalette(colours);
    };
    for (QWidget* control : findChildren<QComboBox*>()) {
        colour(control);
    }
    for (QWidget* control : findChildren<QLineEdit*>()) {
        colour(control);
    }
}

}  // namespace qmb
