// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// Makes the settings calls named on its command line in one process, as the
// programs do, and prints each result on a line of its own. Problems reach
// standard error through the default report.
//
//   settings_probe (read | write | model)...

#include <cstdio>
#include <string_view>

#include "settings/settings_store.h"

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view call = argv[i];
        if (call == "read")
            std::printf("%u\n", qmb::ReadUserDword(qmb::kUserKey, qmb::kTopMostName));
        else if (call == "write")
            std::printf("%d\n", qmb::WriteUserDword(qmb::kUserKey, qmb::kTopMostName, 1));
        else if (call == "model")
            std::printf("%d\n", qmb::InstalledModelNumber());
        else
            return 2;
    }
    return 0;
}
