#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/argument_values.h"
#include "cli/ctl_session.h"
#include "credentials/settings_store.h"
#include "device/emulated_platform.h"
#include "device/hidraw/hidraw_platform.h"
#include "device/report_trace.h"
#include "protocol/model_table.h"

namespace {

struct GlobalOptions {
    bool demo = false;
    bool trace = false;
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

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

// Runs one command per line of standard input; the status is that of the
// last line that failed.
int RunScript(qmb::CtlSession& session)
{
    int status = qmb::kExitOk;
    for (std::string line; std::getline(std::cin, line);) {
        const auto words = Words(line);
        if (words.empty() || words.front().starts_with('#')) {
            continue;
        }
        const int lineStatus = session.Run(words);
        std::cout.flush();
        if (lineStatus != qmb::kExitOk) {
            status = lineStatus;
        }
    }
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    const auto options = ParseGlobalOptions(argc, argv);
    if (!options) {
        std::cerr << "qmbctl: bad option\n" << qmb::kCtlUsage;
        return qmb::kExitUsage;
    }
    const int model = options->model.value_or(qmb::InstalledModelNumber());

    std::unique_ptr<qmb::HidPlatform> platform;
    qmb::CtlSession::InaccessibleNodes inaccessible;
    qmb::EmulatedPlatform* demoMouse = nullptr;
    if (options->demo) {
        auto emulated = std::make_unique<qmb::EmulatedPlatform>(model);
        demoMouse = emulated.get();
        platform = std::move(emulated);
    } else {
        auto hidraw = std::make_unique<qmb::HidrawPlatform>();
        inaccessible = [raw = hidraw.get(), model] {
            return raw->InaccessibleNodes(qmb::kMouseVendorId, qmb::FactsForModel(model).productId);
        };
        platform = std::move(hidraw);
    }

    const auto trace = qmb::TraceToStandardError(options->trace);
    qmb::CtlSession session(*platform, model, std::cout, std::cerr, inaccessible, demoMouse);
    session.SetTrace(trace.get());

    if (options->command.size() == 1 && options->command.front() == "-") {
        return RunScript(session);
    }
    return session.Run(options->command);
}
