// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "actions/button_actions.h"

#include "actions/status_actions.h"
#include "protocol/button_tables.h"
#include "protocol/function_key_table.h"
#include "protocol/model_table.h"

namespace qmb {

namespace {

constexpr size_t kButton4 = 3;
constexpr size_t kButton5 = 4;

}  // namespace

ActionResult ReadButtonMap(DeviceSession& session)
{
    return ResultOf(session.keeper.Take(session.commands.QueryButtonMap()));
}

ActionResult SaveButtonMap(DeviceSession& session, ButtonMap map)
{
    if (const ActionResult known = EnsureStatusKnown(session); known != ActionResult::Done) {
        return known;
    }
    if (!HasButtons4And5(session.modelNumber)) {
        // No map read yet has nothing to keep them from: a map of zeros is
        // none the mouse can hold.
        if (session.state.buttonMap == ButtonMap{}) {
            if (const ActionResult read = ReadButtonMap(session); read != ActionResult::Done) {
                return read;
            }
        }
        map[kButton4] = session.state.buttonMap[kButton4];
        map[kButton5] = session.state.buttonMap[kButton5];
    }
    session.keeper.Keep(map);
    const ActionResult saved = ResultOf(session.keeper.Take(session.commands.WriteButtonMap(map)));
    return FirstFailure(saved, ChangeStatus(session, {.mode = Mode::Button}));
}

ActionResult ReadFunctionKey(DeviceSession& session, int input)
{
    return ResultOf(session.keeper.Take(session.commands.ReadFunctionKey(FunctionKeyAddress(input))));
}

ActionResult SaveFunctionKey(DeviceSession& session, int input, int row)
{
    const FunctionKey key = row >= 0 && static_cast<size_t>(row) < FunctionKeyTable.size()
                                ? FunctionKeyBytes(FunctionKeyTable[static_cast<size_t>(row)])
                                : FunctionKey{};
    if (const ActionResult known = EnsureStatusKnown(session); known != ActionResult::Done) {
        return known;
    }
    session.keeper.Keep(key);
    const ActionResult saved =
        ResultOf(session.keeper.Take(session.commands.WriteFunctionKey(FunctionKeyAddress(input), key)));
    return FirstFailure(saved, ChangeStatus(session, {.mode = Mode::Function}));
}

}  // namespace qmb
