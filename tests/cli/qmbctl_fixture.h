// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QTemporaryDir>

#include <sstream>

#include <map>
#include <string>
#include <vector>

#include "tests/cli/run_program.h"

namespace qmb {

inline size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) {
        ++count;
    }
    return count;
}

// A JSON text in one form whatever the order of its keys, so that tests
// compare what a document says, not how its writer ordered it.
inline std::string Canonical(const std::string& json)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(json)).toJson(QJsonDocument::Compact).toStdString();
}

// The lines of an output that are JSON documents, each in canonical form.
inline std::vector<std::string> JsonLines(const std::string& out)
{
    std::vector<std::string> documents;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with('{') || line.starts_with('[')) {
            documents.push_back(Canonical(line));
        }
    }
    return documents;
}

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
