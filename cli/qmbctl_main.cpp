// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <unistd.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/argument_values.h"
#include "cli/ctl_session.h"
#include "cli/script_runner.h"
#include "cli/usage_text.h"
#include "device/report_trace.h"
#include "device/system_platform.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/secret_bytes.h"
#include "settings/settings_store.h"

namespace {

struct GlobalOptions {
    bool demo = false;
    bool trace = false;
    bool help = false;
    bool version = false;
    std::optional<int> model;
    std::vector<std::string> command;
};

std::optional<GlobalOptions> ParseGlobalOptions(int argc, char** argv)
{
    GlobalOptions options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--demo") {
            options.demo = true;
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--model" && i + 1 < argc) {
            options.model = qmb::ParseInteger(argv[++i]);
            if (!options.model) {
                return std::nullopt;
            }
        } else if (arg.starts_with("--")) {
            return std::nullopt;
        } else {
            break;
        }
    }
    options.command.assign(argv + i, argv + argc);
    return options;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto options = ParseGlobalOptions(argc, argv);
    if (!options) {
        std::cerr << "qmbctl: bad option\n" << qmb::kCtlUsage;
        return qmb::kExitUsage;
    }
    if (const auto answered = qmb::AnswerHelpOrVersion(options->help, options->version, options->command, std::cout,
                                                       std::cerr)) {
        return *answered;
    }
    // The machine settings are read only when no model is given, so that a
    // broken file there cannot stall a run that names its model.
    const int model = options->model ? *options->model : qmb::InstalledModelNumber();

    std::unique_ptr<qmb::HidPlatform> platform;
    qmb::WatchSignals watchSignals;
    if (options->demo) {
        // The demo mouse's buttons, for trying `watch` out: SIGUSR1 presses
        // its reset, SIGUSR2 unplugs it or plugs it back in.
        auto demo = std::make_unique<qmb::EmulatedPlatform>(model);
        watchSignals.user1 = [mouse = demo.get()] { mouse->PressReset(); };
        watchSignals.user2 = [mouse = demo.get()] { mouse->pluggedIn() ? mouse->Unplug() : mouse->PlugIn(); };
        platform = std::move(demo);
    } else {
        platform = qmb::SystemHidPlatform();
    }

    const auto trace = qmb::TraceToStandardError(options->trace, qmb::kMouseSecrets);
    // Standard input is read by us alone, never through stdio, whose
    // buffer would keep the secrets on it.
    qmb::InputLines lines(STDIN_FILENO);
    qmb::SecretInput secrets(lines, std::cerr, isatty(STDIN_FILENO) ? STDIN_FILENO : -1);
    qmb::CtlSession session(*platform, model, std::cout, std::cerr, secrets, std::move(watchSignals));
    session.SetTrace(trace.get());

    if (options->command.size() == 1 && options->command.front() == "-") {
        return qmb::RunScript(lines, session, std::cout, std::cerr);
    }
    const int status = session.Run(options->command);
    return qmb::OutputWritten(std::cout, std::cerr) ? status : qmb::kExitOutputFailed;
}
