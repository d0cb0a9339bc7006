// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "actions/status_actions.h"

#include "protocol/model_table.h"

namespace qmb {

namespace {

StatusFields Changed(StatusFields status, const StatusChange& change)
{
    if (change.mode) {
        status.mode = static_cast<uint8_t>(*change.mode);
    }
    status.resolution = change.resolution.value_or(status.resolution);
    status.reportInterval = change.reportInterval.value_or(status.reportInterval);
    status.autoClickOn = change.autoClickOn.value_or(status.autoClickOn != 0) ? 1 : 0;
    status.siteModeOn = change.siteModeOn.value_or(status.siteModeOn != 0) ? 1 : 0;
    status.autoClickTarget = change.autoClickTarget.value_or(status.autoClickTarget);
    return status;
}

}  // namespace

ActionResult ReadStatus(DeviceSession& session)
{
    const ActionResult result = ResultOf(session.keeper.Take(session.commands.QueryStatus()));
    if (result == ActionResult::Done && !session.state.statusKnown) {
        return ActionResult::NoAnswer;
    }
    return result;
}

ActionResult EnsureStatusKnown(DeviceSession& session)
{
    return session.state.statusKnown ? ActionResult::Done : ReadStatus(session);
}

ActionResult ChangeStatus(DeviceSession& session, const StatusChange& change)
{
    const ActionResult known = EnsureStatusKnown(session);
    session.keeper.Keep(Changed(StatusOf(session.state), change));
    if (known != ActionResult::Done) {
        return known;
    }
    return ResultOf(session.keeper.Take(session.commands.WriteStatus(StatusOf(session.state))));
}

ActionResult ApplyModeButton(DeviceSession& session, Mode mode)
{
    if (mode == Mode::Function) {
        return ChangeStatus(session, {.mode = mode});
    }
    const ActionResult known = EnsureStatusKnown(session);
    session.keeper.Keep(Changed(StatusOf(session.state), {.mode = mode}));
    if (known != ActionResult::Done) {
        return known;
    }
    return ResultOf(session.keeper.Take(session.commands.ApplyModeButton(StatusOf(session.state))));
}

ActionResult ChooseProfile(DeviceSession& session, int entry)
{
    const auto& presets = FactsForModel(session.modelNumber).presets;
    if (entry < 0 || static_cast<size_t>(entry) >= presets.size()) {
        return ChangeStatus(session, {});
    }
    const ProfilePreset preset = presets[static_cast<size_t>(entry)];
    return ChangeStatus(session, {.resolution = preset.resolution, .reportInterval = preset.reportInterval});
}

Mode SettleEditedMode(DeviceSession& session)
{
    const Mode mode = session.state.mode == static_cast<uint8_t>(Mode::Button) ? Mode::Button : Mode::Function;
    session.keeper.Keep(Changed(StatusOf(session.state), {.mode = mode}));
    return mode;
}

}  // namespace qmb
