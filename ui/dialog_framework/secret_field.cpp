// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialog_framework/secret_field.h"

#include <string.h>

namespace qmb {

namespace {

void Wipe(QByteArray& bytes)
{
    if (!bytes.isEmpty() && bytes.isDetached()) {
        explicit_bzero(bytes.data(), static_cast<size_t>(bytes.size()));
    }
}

}  // namespace

QLineEdit* MakeSecretField(QWidget* parent, int maxLength)
{
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(maxLength);
    // No copy of a password goes to the clipboard or a drag.
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setDragEnabled(false);
    return field;
}

FieldText::FieldText(const QLineEdit& field) : bytes_(field.text().toUtf8()) {}

FieldText::~FieldText()
{
    Wipe(bytes_);
}

void WipeField(QLineEdit& field)
{
    QString text = field.text();
    field.clear();
    // The field has let go of its text: this copy is the only one left of
    // that buffer, and overwriting it does not make a new one.
    if (!text.isEmpty() && text.isDetached()) {
        explicit_bzero(text.data(), static_cast<size_t>(text.size()) * sizeof(QChar));
    }
}

}  // namespace qmb
