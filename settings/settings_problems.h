// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <functional>

namespace qmb::settings {

// What can go wrong with the settings files that the user should hear of.
enum class Problem {
    // A settings file was passed over: not a regular file, too large, or
    // unreadable. Its values read as absent.
    FileSkipped,
    // The user's file did not read cleanly; a copy of it was kept before it
    // was written.
    DamagedFileKept,
    // A setting could not be saved.
    CannotSave,
};

// Told of a problem: its kind and one line of text naming the file.
using ProblemHandler = std::function<void(Problem, const QString& line)>;

// The settings code is shared by programs that tell their user in different
// ways; each installs its own. An empty handler restores the default, which
// writes "<program>: <line>" to standard error.
void SetProblemHandler(ProblemHandler handler);

// Hands the problem to the handler the first time its kind comes up in this
// process; later ones of the same kind would only repeat it.
void ReportProblem(Problem kind, const QString& line);

// The default handler.
void PrintProblem(Problem kind, const QString& line);

}  // namespace qmb::settings
