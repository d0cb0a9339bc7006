#include "protocol/password_state.h"

namespace qmb {

int RefreshPasswordState(MouseCommands& commands, StateKeeper& keeper)
{
    if (keeper.Take(commands.QueryPasswordEnrolled()).value.enrolled) {
        keeper.Take(commands.QueryLockFlags());
    }
    return 1;
}

}  // namespace qmb
