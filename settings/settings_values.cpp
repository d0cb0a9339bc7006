// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/settings_values.h"

#include <QStringList>

#include <charconv>

#include "settings/text_buffer.h"

namespace qmb::settings {
namespace {

bool NamesNothing(std::string_view part)
{
    return part.find_first_not_of('/') == std::string_view::npos;
}

QString ValueText(const QVariant& value)
{
    // The INI reader turns an unquoted text with commas, as a user may type
    // it into the file, into a list.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

}  // namespace

QString ValueName(std::string_view name)
{
    return NamesNothing(name) ? QString() : QString::fromUtf8(name);
}

QString ValuePath(std::string_view key, std::string_view name)
{
    if (NamesNothing(key) || NamesNothing(name))
        return {};
    return QString::fromUtf8(key) + u'/' + QString::fromUtf8(name);
}

bool KeyExists(QSettings& settings, std::string_view key)
{
    if (NamesNothing(key))
        return false;
    settings.beginGroup(QString::fromUtf8(key));
    const bool exists = !settings.allKeys().isEmpty();
    settings.endGroup();
    return exists;
}

uint32_t DwordOf(const QVariant& value)
{
    const QByteArray text = ValueText(value).trimmed().toLatin1();
    const char* const end = text.constData() + text.size();
    uint32_t number = 0;
    const auto [stop, error] = std::from_chars(text.constData(), end, number);
    if (error != std::errc() || stop != end)
        return 0;
    return number;
}

std::string TextOf(const QVariant& value)
{
    const QByteArray text = ValueText(value).toUtf8();
    return FitTextBuffer(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

}  // namespace qmb::settings
