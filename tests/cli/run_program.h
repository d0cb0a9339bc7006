#pragma once

#include <map>
#include <string>
#include <vector>

namespace qmb::test {

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end with `input` on its standard input and the
// given extra environment, collecting what it writes.
ProgramRun RunProgram(const std::string& path, const std::vector<std::string>& args, const std::string& input = {},
                      const std::map<std::string, std::string>& environment = {});

}  // namespace qmb::test
