// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/controls/skin_library.h"

namespace qmb {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName("100");
    setWindowTitle(tr("About QMBPro"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(48, 48));
    auto* name = new QLabel(tr("QMBPro Version 1.0"), this);
    auto* licence = new QLabel(tr("Free software under the MIT licence."), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(name, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(licence);
    layout->addWidget(buttons);
}

}  // namespace qmb
