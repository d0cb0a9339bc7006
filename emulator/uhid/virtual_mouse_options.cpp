// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "emulator/uhid/virtual_mouse_options.h"

#include <charconv>
#include <string_view>

namespace qmb::emu {

const char* const kVirtualMouseUsage =
    "usage: qmb-virtual-mouse [--model N] [--trace]\n"
    "Presents the emulated VELD QMB mouse to the kernel through /dev/uhid as a USB HID\n"
    "device (vendor 0095, product C049 for model 1, C048 for any other model), so that\n"
    "qmbctl and qmbpro reach it through the real hidraw path, without --demo. It answers\n"
    "every command as the emulated mouse does and runs until it is ended; it needs the\n"
    "uhid module (modprobe uhid) and write access to /dev/uhid, normally root.\n"
    "\n"
    "  --model N   the installed model number to emulate (default 0)\n"
    "  --trace     every report on standard error: \"> \" received, \"< \" sent,\n"
    "              passwords and IDs masked as **; also QMB_TRACE=1\n"
    "  --help      this text\n"
    "  --version   the version\n"
    "\n"
    "Signals are its buttons and its cable:\n"
    "  SIGUSR1     press the reset combination: factory settings, and the mouse\n"
    "              sends its reset pattern\n"
    "  SIGUSR2     press the mode switch: the mouse sends its new status\n"
    "  SIGINT, SIGTERM, SIGHUP\n"
    "              unplug the mouse and end; start it again to plug it back in\n"
    "              (its memory then starts from the factory state)\n"
    "It prints its process id when plugged in; e.g.  sudo kill -USR1 PID\n"
    "\n"
    "Its hidraw node has no USB parent, so the udev rule does not open it to you:\n"
    "run qmbctl as root, or grant yourself the node, e.g.\n"
    "  sudo setfacl -m u:$USER:rw /dev/hidrawN\n";

namespace {

std::optional<int> ParseModel(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<VirtualMouseOptions> ParseVirtualMouseOptions(std::span<const char* const> args) {
    VirtualMouseOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--model" && i + 1 < args.size()) {
            const auto model = ParseModel(args[++i]);
            if (!model) {
                return std::nullopt;
            }
            options.modelNumber = *model;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace qmb::emu
