// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QLineEdit>

#include <string_view>

namespace qmb {

// A field a password is typed into: the characters are hidden, and at most
// `maxLength` of them fit.
QLineEdit* MakeSecretField(QWidget* parent, int maxLength);

// What is typed into the field stays in it: no copy, cut or drag of it, no
// context menu, and on X11 no mouse selection that another program could
// paste. For a secret shown as typed, as a site ID is.
void KeepFieldPrivate(QLineEdit& field);

// A field's text as UTF-8, for as long as an action needs it; wiped when
// it goes. The field keeps its text.
class FieldText {
public:
    explicit FieldText(const QLineEdit& field);
    ~FieldText();
    FieldText(const FieldText&) = delete;
    FieldText& operator=(const FieldText&) = delete;

    std::string_view text() const { return {bytes_.constData(), static_cast<size_t>(bytes_.size())}; }

private:
    QByteArray bytes_;
};

// Empties the field and overwrites the text it held, where Qt lets us.
void WipeField(QLineEdit& field);

}  // namespace qmb
