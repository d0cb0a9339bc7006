#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "protocol/device_state.h"
#include "protocol/mouse_commands.h"
#include "protocol/state_keeper.h"
#include "cli/watch_command.h"

namespace qmb {

inline constexpr int kExitOk = 0;
inline constexpr int kExitNoMouse = 1;
inline constexpr int kExitUsage = 2;

extern const char* const kCtlUsage;

// One qmbctl run against one device: each command line given to Run uses
// the same link and state, so a script of several lines talks to the same
// mouse.
class CtlSession {
public:
    CtlSession(HidPlatform& platform, int modelNumber, std::ostream& out, std::ostream& err,
               WatchSignals watchSignals = {});

    void SetTrace(ReportTrace* trace);
    int Run(const std::vector<std::string>& args);

private:
    int Status(const std::vector<std::string>& args);
    int Set(const std::vector<std::string>& args);
    int Raw(const std::vector<std::string>& args);
    int Watch(const std::vector<std::string>& args);
    int NoMouse();
    int Usage(const std::string& problem);

    HidPlatform& platform_;
    const int modelNumber_;
    DeviceLink link_;
    DeviceState state_;
    MouseCommands commands_;
    StateKeeper keeper_;
    std::ostream& out_;
    std::ostream& err_;
    WatchSignals watchSignals_;
};

}  // namespace qmb
