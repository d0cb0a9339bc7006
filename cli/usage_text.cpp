// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/usage_text.h"

#include <algorithm>
#include <sstream>

#include "cli/ctl_session.h"

namespace qmb {

namespace {

constexpr std::string_view kOptionsAndExits =
    "Options, before the command:\n"
    "  --demo            the built-in virtual mouse instead of a real one\n"
    "  --model N         the installed model number for this run (1: eleven steps)\n"
    "  --trace           every report on standard error, secrets as **; also QMB_TRACE=1\n"
    "  --help            this text; after a command, that command's usage\n"
    "  --version         the version\n"
    "Exit status: 0 done, 1 no mouse, no answer or output that cannot be written,\n"
    "2 bad arguments (nothing sent), 3 the mouse refused; a script whose watch a\n"
    "signal ended, 128 + its number. See qmbctl(1).\n";

// The command a line of the usage tells of: its first word, when the line
// starts a command's entry (indented by two).
std::string_view EntryCommand(std::string_view line)
{
    if (!line.starts_with("  ") || line.starts_with("   ")) {
        return {};
    }
    line.remove_prefix(2);
    return line.substr(0, line.find_first_of(" ,"));
}

}  // namespace

std::string CtlHelp()
{
    return std::string(kCtlUsage) + std::string(kOptionsAndExits);
}

std::optional<std::string> CommandHelp(std::string_view command)
{
    std::istringstream usage{std::string(kCtlUsage)};
    std::string line;
    std::getline(usage, line);
    std::string help = "usage: qmbctl [OPTIONS] " + std::string(command) + " ...\n";
    bool inEntry = false;
    bool found = false;
    std::string footnote;
    while (std::getline(usage, line)) {
        if (!line.starts_with(" ")) {
            footnote += line + "\n";
            continue;
        }
        const std::string_view starts = EntryCommand(line);
        if (!starts.empty()) {
            inEntry = starts == command;
        }
        if (inEntry) {
            help += line + "\n";
            found = true;
        }
    }
    if (!found) {
        return std::nullopt;
    }
    // The note on secrets matters to the commands that ask for one.
    const bool asksForSecrets = command == "password" || command == "sign-in" || command == "site";
    return asksForSecrets ? help + footnote : help;
}

std::optional<int> AnswerHelpOrVersion(bool help, bool version, const std::vector<std::string>& command,
                                       std::ostream& out, std::ostream& err)
{
    if (version) {
        out << "qmbctl " << QMB_VERSION << "\n" << QMB_LICENCE_LINE << "\n";
        return kExitOk;
    }
    if (help && command.empty()) {
        out << CtlHelp();
        return kExitOk;
    }
    if (!help && std::find(command.begin(), command.end(), "--help") == command.end()) {
        return std::nullopt;
    }
    const std::string& name = command.front();
    const auto commandHelp = CommandHelp(name);
    if (!commandHelp) {
        err << "qmbctl: no command '" << name << "'\n" << kCtlUsage;
        return kExitUsage;
    }
    out << *commandHelp;
    return kExitOk;
}

}  // namespace qmb
