// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "ui/dialog_framework/secret_field.h"

#include <string.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace qmb {

namespace {

void Wipe(QByteArray& bytes)
{
    if (!bytes.isEmpty() && bytes.isDetached()) {
        explicit_bzero(bytes.data(), static_cast<size_t>(bytes.size()));
    }
}

// Swallows the keys that copy or cut a field's text, and takes back the
// mouse selection the field makes.
class PrivateField : public QObject {
public:
    explicit PrivateField(QLineEdit& field) : QObject(&field), field_(field)
    {
        field.installEventFilter(this);
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) {
            connect(clipboard, &QClipboard::selectionChanged, this, [this, clipboard] {
                if (field_.hasSelectedText() && clipboard->ownsSelection()) {
                    clipboard->clear(QClipboard::Selection);
                }
            });
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut)) {
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit& field_;
};

}  // namespace

QLineEdit* MakeSecretField(QWidget* parent, int maxLength)
{
    auto* field = new QLineEdit(parent);
    field->setEchoMode(QLineEdit::Password);
    field->setMaxLength(maxLength);
    KeepFieldPrivate(*field);
    return field;
}

void KeepFieldPrivate(QLineEdit& field)
{
    field.setContextMenuPolicy(Qt::NoContextMenu);
    field.setDragEnabled(false);
    new PrivateField(field);
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
