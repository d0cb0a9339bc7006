#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>
#include <string>
#include <vector>

#include "tests/cli/run_program.h"

namespace qmb {

class Qmbctl : public testing::Test {
protected:
    // A private configuration so the machine's own model setting cannot
    // change what the demo mouse is.
    test::ProgramRun Run(const std::vector<std::string>& args, const std::string& input = {},
                         std::map<std::string, std::string> environment = {})
    {
        return test::RunProgram(QMBCTL_PATH, args, input, Environment(std::move(environment)));
    }

    std::map<std::string, std::string> Environment(std::map<std::string, std::string> environment = {})
    {
        environment.emplace("XDG_CONFIG_HOME", config_.path().toStdString());
        environment.emplace("XDG_CONFIG_DIRS", config_.path().toStdString());
        environment.emplace("QMB_TRACE", "");
        return environment;
    }

    QTemporaryDir config_;
};

}  // namespace qmb
