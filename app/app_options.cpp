// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/app_options.h"

namespace qmb {

std::optional<AppOptions> ParseAppOptions(const QStringList& arguments)
{
    AppOptions options;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == "--demo") {
            options.demo = true;
        } else if (argument == "--trace") {
            options.trace = true;
        } else if (argument == "--help") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--model" && i + 1 < arguments.size()) {
            bool number = false;
            options.model = arguments[++i].toInt(&number);
            if (!number) {
                return std::nullopt;
            }
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace qmb
