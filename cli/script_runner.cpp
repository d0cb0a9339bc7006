// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/script_runner.h"

#include <string.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace qmb {

namespace {

// The words of a line. They may be a secret that was never meant as a
// command: overwritten once the line has run (WipeWords).
std::vector<std::string> Words(std::string_view line)
{
    std::vector<std::string> words;
    size_t at = 0;
    while (at < line.size()) {
        const size_t start = line.find_first_not_of(" \t\r\v\f", at);
        if (start == std::string_view::npos) {
            break;
        }
        const size_t end = std::min(line.find_first_of(" \t\r\v\f", start), line.size());
        words.emplace_back(line.substr(start, end - start));
        at = end;
    }
    return words;
}

void WipeWords(std::vector<std::string>& words)
{
    for (std::string& word : words) {
        explicit_bzero(word.data(), word.size());
    }
    words.clear();
}

}  // namespace

bool OutputWritten(std::ostream& out, std::ostream& err)
{
    errno = 0;
    out.flush();
    if (out) {
        return true;
    }
    const int error = errno;
    err << "qmbctl: cannot write the output" << (error != 0 ? std::string(": ") + std::strerror(error) : "") << "\n";
    return false;
}

int RunScript(InputLines& lines, CtlSession& session, std::ostream& out, std::ostream& err)
{
    constexpr int kSignalExitBase = 128;
    int status = kExitOk;
    LockedBuffer line(InputLines::kLongestLine);
    size_t length = 0;
    for (InputLines::Read read; (read = lines.Next(line.bytes(), length)) != InputLines::Read::End;) {
        const size_t number = lines.lineNumber();
        int lineStatus = kExitOk;
        if (read == InputLines::Read::TooLong) {
            err << "qmbctl: line " << number << ": longer than " << InputLines::kLongestLine << " bytes; skipped\n";
            lineStatus = kExitUsage;
        } else {
            auto words = Words(std::string_view(line.bytes().data(), length));
            explicit_bzero(line.bytes().data(), length);
            if (words.empty() || words.front().starts_with('#')) {
                WipeWords(words);
                continue;
            }
            lineStatus = session.RunLine(number, words);
            WipeWords(words);
        }
        if (!OutputWritten(out, err)) {
            return kExitOutputFailed;
        }
        if (session.interruptedBy() != 0) {
            return kSignalExitBase + session.interruptedBy();
        }
        if (lineStatus != kExitOk) {
            status = lineStatus;
        }
    }
    return status;
}

}  // namespace qmb
