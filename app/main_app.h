// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/app_options.h"

namespace qmb {

// The program: its options, the mouse it talks to, and the main window.
class MainApp {
public:
    explicit MainApp(const AppOptions& options);
    ~MainApp();

    // Runs the program until it ends; the exit code.
    int InitInstance();

private:
    AppOptions options_;
};

}  // namespace qmb
