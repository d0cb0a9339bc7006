// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "actions/action_result.h"
#include "actions/site_actions.h"
#include "cli/result_messages.h"
#include "cli/secret_input.h"
#include "cli/watch_command.h"
#include "protocol/device_session.h"

namespace qmb {

extern const char* const kCtlUsage;

// One qmbctl run against one device: each command line given to Run uses
// the same link and state, so a script of several lines talks to the same
// mouse.
class CtlSession {
public:
    CtlSession(HidPlatform& platform, int modelNumber, std::ostream& out, std::ostream& err, SecretInput& secrets,
               WatchSignals watchSignals = {});

    void SetTrace(ReportTrace* trace);
    int Run(const std::vector<std::string>& args);
    // One line of a script. Its errors name the line, never its text: a
    // secret cannot be told from a mistyped command. A command that takes
    // secrets from the lines after it and is refused for its words still
    // takes them (read and wiped), so that they are never run.
    int RunLine(size_t number, const std::vector<std::string>& args);
    // The signal that ended a `watch`, which ends the whole run; 0 if none.
    int interruptedBy() const { return interruptedBy_; }

private:
    int Status(const std::vector<std::string>& args);
    int Set(const std::vector<std::string>& args);
    int Raw(const std::vector<std::string>& args);
    int Watch(const std::vector<std::string>& args);
    int Buttons(const std::vector<std::string>& args);
    int Functions(const std::vector<std::string>& args);
    int Key(const std::vector<std::string>& args);
    int Sequence(const std::vector<std::string>& args);
    int PrintSequence(bool json);
    int Password(const std::vector<std::string>& args);
    int SetPassword();
    int SetShortPassword(bool remove);
    int PasswordStatus(bool json);
    int SignIn(const std::vector<std::string>& args);
    int SignOut(const std::vector<std::string>& args);
    int Site(const std::vector<std::string>& args);
    int Backup(const std::vector<std::string>& args);
    int Restore(const std::vector<std::string>& args);
    int ListSites(bool json);
    int SelectSite(int site);
    int SetSiteSecret(int site, SiteItem item);
    int DeleteSiteSecret(int site, SiteItem item);
    // The site number (1 to 31) in args[at].
    static std::optional<int> SiteNumber(const std::vector<std::string>& args, size_t at);
    int PrintButtonMap(bool json);
    int PrintFunctionOf(int input);

    // The exit status of a result, its message said.
    int Finish(ActionResult result);
    // The same for a step that went wrong; none when it went well.
    std::optional<int> Failed(ActionResult result);
    int NoMouse();
    int Usage(const std::string& problem);
    // A word the user gave, quoted in a message (" 'word'"), or nothing in
    // a script.
    std::string Quoted(std::string_view word) const;
    // The same as ", not 'word'".
    std::string Not(std::string_view word) const;

    DeviceSession session_;
    std::ostream& out_;
    std::ostream& err_;
    SecretInput& secrets_;
    // The script line being run, if a script runs.
    std::optional<size_t> scriptLine_;
    WatchSignals watchSignals_;
    int interruptedBy_ = 0;
    bool usageShown_ = false;
};

}  // namespace qmb
