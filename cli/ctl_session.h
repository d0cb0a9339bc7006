#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "device/device_link.h"
#include "device/emulated_platform.h"
#include "protocol/device_state.h"
#include "protocol/mouse_commands.h"

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
    // Names device nodes that are the mouse but cannot be opened, for the
    // hint when no mouse is found.
    using InaccessibleNodes = std::function<std::vector<std::string>()>;

    // `demoMouse` is the platform itself when it is the demo mouse.
    CtlSession(HidPlatform& platform, int modelNumber, std::ostream& out, std::ostream& err,
               InaccessibleNodes inaccessibleNodes = {}, EmulatedPlatform* demoMouse = nullptr);

    void SetTrace(ReportTrace* trace);
    int Run(const std::vector<std::string>& args);

private:
    int Status(const std::vector<std::string>& args);
    int Set(const std::vector<std::string>& args);
    int Raw(const std::vector<std::string>& args);
    int Watch(const std::vector<std::string>& args);
    int NoMouse();
    int Usage(const std::string& problem);

    DeviceLink link_;
    DeviceState state_;
    MouseCommands commands_;
    std::ostream& out_;
    std::ostream& err_;
    InaccessibleNodes inaccessibleNodes_;
    EmulatedPlatform* demoMouse_;
};

}  // namespace qmb
