// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <string>
#include <string_view>

namespace qmb::settings {

// A value name as a QSettings key; empty when it names nothing.
QString ValueName(std::string_view name);

// "key/name" as a QSettings key; empty when the key or the name names
// nothing.
QString ValuePath(std::string_view key, std::string_view name);

bool KeyExists(QSettings& settings, std::string_view key);

// The INI file stores untyped text. A DWORD is that text as a decimal number
// from 0 to 4294967295; any other text (a word, a sign, a fraction, a number
// out of range) reads as 0, the result of a missing value.
uint32_t DwordOf(const QVariant& value);

// The value as UTF-8 text that fits kTextBufferSize.
std::string TextOf(const QVariant& value);

}  // namespace qmb::settings
