// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/script_runner.h"

#include <cerrno>
#include <cstring>
#include <sstream>
#include <vector>

namespace qmb {

namespace {

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

}  // namespace

ScriptLine ReadScriptLine(std::istream& in, std::string& line)
{
    line.clear();
    std::streambuf* input = in.rdbuf();
    bool any = false;
    bool tooLong = false;
    for (int c = input->sbumpc(); c != std::char_traits<char>::eof(); c = input->sbumpc()) {
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() < kLongestScriptLine) {
            line.push_back(static_cast<char>(c));
        } else {
            tooLong = true;
        }
    }
    if (!any) {
        in.setstate(std::ios::eofbit);
        return ScriptLine::End;
    }
    if (tooLong) {
        line.clear();
        return ScriptLine::TooLong;
    }
    return ScriptLine::Read;
}

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

int RunScript(std::istream& in, CtlSession& session, std::ostream& out, std::ostream& err)
{
    constexpr int kSignalExitBase = 128;
    int status = kExitOk;
    std::string line;
    for (ScriptLine read; (read = ReadScriptLine(in, line)) != ScriptLine::End;) {
        int lineStatus = kExitOk;
        if (read == ScriptLine::TooLong) {
            err << "qmbctl: a line longer than " << kLongestScriptLine << " bytes; skipped\n";
            lineStatus = kExitUsage;
        } else {
            const auto words = Words(line);
            if (words.empty() || words.front().starts_with('#')) {
                continue;
            }
            lineStatus = session.Run(words);
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
