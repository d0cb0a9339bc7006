// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/access_help.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

#include "protocol/model_table.h"

namespace qmb::test {
namespace {

// Every model number the program tells apart; any other is the three-step
// mouse again.
constexpr int kModelNumbers[] = {0, 1, 2, 3, 4};

std::vector<std::string> RuleLines()
{
    std::ifstream file(std::string(QMB_SOURCE_DIR) + "/res/udev/70-qmbpro.rules");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && !line.starts_with('#')) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST(UdevRule, HasOneLowerCaseLinePerProductOfTheModelTable)
{
    std::set<std::string> expected;
    for (const int model : kModelNumbers) {
        expected.insert(AccessRuleLine(MouseIdentity(model)));
    }
    const auto lines = RuleLines();
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()), expected);
    EXPECT_EQ(lines.size(), expected.size()) << "a product has more than one line";

    // The form udev matches: the hidraw node, the USB device's ids in
    // lower-case hex, and the seat's user rather than a mode for everyone.
    const std::regex form(
        R"(SUBSYSTEM=="hidraw", ATTRS\{idVendor\}=="[0-9a-f]{4}", ATTRS\{idProduct\}=="[0-9a-f]{4}", TAG\+="uaccess")");
    for (const std::string& line : lines) {
        EXPECT_TRUE(std::regex_match(line, form)) << line;
    }
}

class AccessHelpTest : public testing::Test {
protected:
    void SetUp() override
    {
        directory_ = std::filesystem::temp_directory_path() / ("qmb-rules-" + std::to_string(getpid()));
        std::filesystem::create_directories(directory_);
    }
    void TearDown() override { std::filesystem::remove_all(directory_); }

    void InstallRule() { std::ofstream(directory_ / "70-qmbpro.rules") << "# the rule\n"; }

    AccessHelp HelpFor(const std::vector<std::string>& nodes)
    {
        return AccessHelpFor(MouseIdentity(1), nodes, {"/nonexistent/rules.d", directory_.string()});
    }

    std::filesystem::path directory_;
};

TEST_F(AccessHelpTest, WithoutTheRuleItsInstalledAppliedAndNamesTheLockedNodes)
{
    const AccessHelp help = HelpFor({"/dev/hidraw3", "/dev/hidraw4"});
    EXPECT_NE(help.explanation.find("/dev/hidraw3 and /dev/hidraw4 are the mouse"), std::string::npos)
        << help.explanation;
    EXPECT_NE(help.explanation.find("not installed"), std::string::npos) << help.explanation;
    ASSERT_EQ(help.commands.size(), 3u);
    EXPECT_EQ(help.commands[0], "echo '" + AccessRuleLine(MouseIdentity(1)) +
                                    "' | sudo tee /etc/udev/rules.d/70-qmbpro.rules >/dev/null");
    EXPECT_NE(help.commands[0].find(R"(ATTRS{idProduct}=="c049")"), std::string::npos);
    EXPECT_EQ(help.commands[1], "sudo udevadm control --reload");
    EXPECT_EQ(help.commands[2], "sudo udevadm trigger --action=change --subsystem-match=hidraw");
}

TEST_F(AccessHelpTest, WithTheRuleInPlaceItIsOnlyApplied)
{
    InstallRule();
    const AccessHelp help = HelpFor({"/dev/hidraw3"});
    EXPECT_NE(help.explanation.find("/dev/hidraw3 is the mouse"), std::string::npos) << help.explanation;
    EXPECT_NE(help.explanation.find("not to a remote login"), std::string::npos) << help.explanation;
    EXPECT_EQ(help.commands, (std::vector<std::string>{"sudo udevadm control --reload",
                                                       "sudo udevadm trigger --action=change --subsystem-match=hidraw"}));
}

}  // namespace
}  // namespace qmb::test
