#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/secret_input.h"
#include "cli/watch_command.h"
#include "protocol/device_session.h"

namespace qmb {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNoMouse = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitRefused = 3;
// Output that cannot be written ends the run as a failed exchange does.
inline constexpr int kExitOutputFailed = kExitNoMouse;

extern const char* const kCtlUsage;

// One qmbctl run against one device: each command line given to Run uses
// the same link and state, so a script of several lines talks to the same
// mouse.
class CtlSession {
public:
    CtlSession(HidPlatform& platform, int modelNumber, std::ostream& out, std::ostream& err, SecretInput secrets,
               WatchSignals watchSignals = {});

    void SetTrace(ReportTrace* trace);
    int Run(const std::vector<std::string>& args);
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
    int ListSites(bool json);
    int SelectSite(int site);
    int SetSiteSecret(int site, bool id);
    int DeleteSiteSecret(int site, bool id);
    // The site number (1 to 31) in args[at].
    static std::optional<int> SiteNumber(const std::vector<std::string>& args, size_t at);
    // Whether a mouse password exists and how the mouse is locked, into
    // the state; the exit status when the mouse cannot be asked.
    std::optional<int> ReadLockState();
    int Refused(const std::string& why);

    // The exit status of a command that did not go through; none when it
    // did and every report was answered.
    template <typename T>
    std::optional<int> Failure(const Reply<T>& reply)
    {
        return Failure(reply.outcome, reply.answered);
    }
    std::optional<int> Failure(Outcome outcome, bool answered);
    // Reads the mouse's state, so that a write changes only what it means
    // to; the exit status when the mouse cannot be read.
    std::optional<int> ReadStateFirst();
    // Switches the mouse to `mode`, as saving a button map or a function
    // does, whether or not the save was taken.
    std::optional<int> SwitchMode(Mode mode);
    int PrintButtonMap(bool json);
    int PrintFunctionOf(int input);
    int NoMouse();
    int Usage(const std::string& problem);

    DeviceSession session_;
    std::ostream& out_;
    std::ostream& err_;
    SecretInput secrets_;
    WatchSignals watchSignals_;
    int interruptedBy_ = 0;
    bool usageShown_ = false;
};

}  // namespace qmb
