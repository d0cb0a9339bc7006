// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QJsonArray>
#include <QJsonObject>

#include <string>

namespace qmb {

// One JSON document as `--json` prints it: compact, on a line of its own.
std::string JsonLine(const QJsonObject& object);
std::string JsonLine(const QJsonArray& array);

}  // namespace qmb
