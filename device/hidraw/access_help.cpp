// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "device/access_help.h"

#include <unistd.h>

#include <string_view>


namespace qmb {

namespace {

constexpr const char* kRuleName = "70-qmbpro.rules";
constexpr const char* kReload = "sudo udevadm control --reload";
// A change event runs the rules again on nodes that already exist, so a
// mouse plugged in before the rule was there gets it without a re-plug.
constexpr const char* kTrigger = "sudo udevadm trigger --action=change --subsystem-match=hidraw";

// Where udev reads rules: the administrator's, the run-time ones, the
// directory this build installs into, and the distribution's.
std::vector<std::string> UdevRuleDirectories()
{
    return {"/etc/udev/rules.d", "/run/udev/rules.d", QMB_UDEV_RULES_DIR, "/usr/lib/udev/rules.d",
            "/lib/udev/rules.d", "/usr/local/lib/udev/rules.d"};
}

bool RuleInstalled(const std::vector<std::string>& ruleDirectories)
{
    for (const std::string& directory : ruleDirectories) {
        if (access((directory + "/" + kRuleName).c_str(), F_OK) == 0) {
            return true;
        }
    }
    return false;
}

// Lower-case hex, as udev compares the attributes as text.
std::string Hex4(uint16_t value)
{
    constexpr std::string_view kDigits = "0123456789abcdef";
    std::string text(4, '0');
    for (size_t i = text.size(); i-- > 0; value = static_cast<uint16_t>(value >> 4)) {
        text[i] = kDigits[value & 0xFu];
    }
    return text;
}

std::string Listed(const std::vector<std::string>& nodes)
{
    std::string listed;
    for (size_t i = 0; i < nodes.size(); ++i) {
        listed += (i == 0 ? "" : i + 1 == nodes.size() ? " and " : ", ") + nodes[i];
    }
    return listed;
}

}  // namespace

std::string AccessRuleLine(const DeviceIdentity& mouse)
{
    return R"(SUBSYSTEM=="hidraw", ATTRS{idVendor}==")" + Hex4(mouse.vendorId) + R"(", ATTRS{idProduct}==")" +
           Hex4(mouse.productId) + R"(", TAG+="uaccess")";
}

AccessHelp AccessHelpFor(const DeviceIdentity& mouse, const std::vector<std::string>& nodes,
                         const std::vector<std::string>& ruleDirectories)
{
    const std::string which = Listed(nodes) + (nodes.size() == 1 ? " is the mouse" : " are the mouse");
    if (RuleInstalled(ruleDirectories)) {
        return {which + ", but you may not open it. Its udev rule, which gives it to the person at this computer's "
                        "own screen and keyboard (not to a remote login), is installed but has not been applied to "
                        "it yet. Apply it with:",
                {kReload, kTrigger}};
    }
    return {which + ", but you may not open it: the udev rule that gives it to the person at this computer's own "
                    "screen and keyboard is not installed. Install and apply it with:",
            {"echo '" + AccessRuleLine(mouse) + "' | sudo tee /etc/udev/rules.d/" + kRuleName + " >/dev/null",
             kReload, kTrigger}};
}

AccessHelp AccessHelpFor(const DeviceIdentity& mouse, const std::vector<std::string>& nodes)
{
    return AccessHelpFor(mouse, nodes, UdevRuleDirectories());
}

}  // namespace qmb
