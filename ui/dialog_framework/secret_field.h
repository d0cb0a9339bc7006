#pragma once

#include <QLineEdit>

#include <optional>

#include "protocol/secret_usages.h"
#include "protocol/usage_table.h"

namespace qmb {

// A field a password is typed into: the characters are hidden, and at most
// `maxLength` of them fit.
QLineEdit* MakeSecretField(QWidget* parent, int maxLength);

// The field's text as usages by the password rule (letters and digits);
// none when a character is refused. The field keeps its text; what this
// made of it on the way is wiped.
template <size_t N>
std::optional<SecretUsages<N>> FieldUsages(const QLineEdit& field, size_t tableLength = kPasswordTableLength);

// Empties the field and overwrites the text it held, where Qt lets us.
void WipeField(QLineEdit& field);

}  // namespace qmb
