// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// Feeds arbitrary scripts, as `qmbctl -` reads them from standard input, to
// the demo mouse: every command's words, the secrets on the lines after
// them, over-long lines and bytes of every kind.

#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>

#include "cli/ctl_session.h"
#include "cli/script_runner.h"
#include "emulator/platform/emulated_platform.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // `site title` saves titles: keep them out of the user's settings.
    static char directory[] = "/tmp/qmb-script-fuzz-XXXXXX";
    if (mkdtemp(directory) != nullptr) {
        setenv("XDG_CONFIG_HOME", directory, 1);
        setenv("XDG_CONFIG_DIRS", directory, 1);
        std::atexit([] { std::filesystem::remove_all(directory); });
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    // `watch` runs until a signal comes.
    if (script.find("watch") != std::string_view::npos) {
        return 0;
    }
    std::string_view rest = script;
    qmb::InputLines lines([&rest](std::span<char> into) -> ssize_t {
        const size_t count = std::min(into.size(), rest.size());
        rest.copy(into.data(), count);
        rest.remove_prefix(count);
        return static_cast<ssize_t>(count);
    });
    std::ostringstream out;
    std::ostringstream err;
    qmb::EmulatedPlatform mouse(1);
    qmb::SecretInput secrets(lines, err, -1);
    qmb::CtlSession session(mouse, 1, out, err, secrets);
    qmb::RunScript(lines, session, out, err);
    return 0;
}
