#pragma once

#include "protocol/mouse_commands.h"
#include "protocol/state_keeper.h"

namespace qmb {

// Whether a mouse password exists and, only when one does, how the mouse
// is locked: both into the state.
int RefreshPasswordState(MouseCommands& commands, StateKeeper& keeper);

}  // namespace qmb
