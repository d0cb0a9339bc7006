// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/settings_problems.h"

#include <cerrno>
#include <cstdio>
#include <mutex>
#include <set>

namespace qmb::settings {
namespace {

std::mutex& Guard()
{
    static std::mutex guard;
    return guard;
}

ProblemHandler& Handler()
{
    static ProblemHandler handler = PrintProblem;
    return handler;
}

std::set<Problem>& Told()
{
    static std::set<Problem> told;
    return told;
}

}  // namespace

void SetProblemHandler(ProblemHandler handler)
{
    const std::lock_guard lock(Guard());
    Handler() = handler ? std::move(handler) : PrintProblem;
}

void ReportProblem(Problem kind, const QString& line)
{
    ProblemHandler handler;
    {
        const std::lock_guard lock(Guard());
        if (!Told().insert(kind).second)
            return;
        handler = Handler();
    }
    // Called unlocked: a handler may well touch the settings itself.
    handler(kind, line);
}

void PrintProblem(Problem, const QString& line)
{
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, qUtf8Printable(line));
}

}  // namespace qmb::settings
