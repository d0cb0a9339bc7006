// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

#include <optional>

namespace qmb {

struct AppOptions {
    bool demo = false;
    bool trace = false;
    std::optional<int> model;
    bool help = false;
    bool version = false;
};

inline constexpr const char* kAppUsage =
    "usage: qmbpro [--demo] [--model N] [--trace]\n"
    "       qmbpro --help | --version\n"
    "  --demo      work with the built-in demo mouse instead of the real one\n"
    "  --model N   the installed model number for this run (1: the eleven-step mouse)\n"
    "  --trace     print every report to and from the mouse on standard error\n";

// None for an argument the program does not know.
std::optional<AppOptions> ParseAppOptions(const QStringList& arguments);

}  // namespace qmb
