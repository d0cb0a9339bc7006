#pragma once

#include <QStringList>

#include <optional>

namespace qmb {

struct AppOptions {
    bool demo = false;
    bool trace = false;
    std::optional<int> model;
};

inline constexpr const char* kAppUsage = "usage: qmbpro [--demo] [--model N] [--trace]\n";

// None for an argument the program does not know.
std::optional<AppOptions> ParseAppOptions(const QStringList& arguments);

}  // namespace qmb
