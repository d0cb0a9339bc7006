// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "actions/mouse_settings.h"

#include <cstdio>

#include "actions/button_actions.h"
#include "actions/site_actions.h"
#include "actions/status_actions.h"
#include "protocol/button_tables.h"
#include "protocol/function_key_table.h"
#include "protocol/model_table.h"
#include "protocol/sequence_tables.h"

namespace qmb {

namespace {

std::string Number(int value)
{
    return std::to_string(value);
}

std::string Word(std::span<const NamedValue> values, uint8_t value)
{
    const char* word = WordOfValue(values, value);
    return word ? word : Number(value);
}

std::string ButtonWord(uint8_t mask)
{
    for (size_t i = 0; i < kButtons.size(); ++i) {
        if (mask == kDefaultButtonMap[i]) {
            return kButtons[i].word;
        }
    }
    return "mask " + Number(mask);
}

std::string FunctionText(const FunctionKey& key)
{
    if (const auto row = FunctionKeyRowMatching(key)) {
        return FunctionKeyTable[static_cast<size_t>(*row)].name;
    }
    char bytes[12];
    std::snprintf(bytes, sizeof bytes, "%02X %02X %02X", key[0], key[1], key[2]);
    return bytes;
}

// The state a restore writes: the wanted one, in the mouse's own web-site
// mode.
StatusFields RestoredStatus(const StatusFields& now, StatusFields wanted)
{
    wanted.siteModeOn = now.siteModeOn;
    return wanted;
}

// The map a restore writes: a model without a 4th and 5th button keeps
// theirs.
ButtonMap RestoredMap(int modelNumber, const ButtonMap& now, ButtonMap wanted)
{
    if (!HasButtons4And5(modelNumber)) {
        wanted[3] = now[3];
        wanted[4] = now[4];
    }
    return wanted;
}

}  // namespace

ActionValue<MouseSettings> ReadMouseSettings(DeviceSession& session)
{
    ActionValue<MouseSettings> read;
    read.result = ReadStatus(session);
    read.result = FirstFailure(read.result, ReadButtonMap(session));
    for (size_t input = 0; input < kFunctionInputs.size(); ++input) {
        read.result = FirstFailure(read.result, ReadFunctionKey(session, static_cast<int>(input)));
        read.value.functionKeys[input] = session.state.functionKey;
    }
    read.result = FirstFailure(read.result, ResultOf(session.keeper.Take(session.commands.QuerySequence())));
    for (size_t site = 0; site < SiteTable.size(); ++site) {
        const auto rows = ReadSiteSlots(session, static_cast<int>(site));
        read.result = FirstFailure(read.result, rows.result);
        read.value.sites[site] = {rows.value.idRow != 0, rows.value.passwordRow != 0};
    }
    read.value.status = StatusOf(session.state);
    read.value.buttonMap = session.state.buttonMap;
    read.value.sequence = SequenceOf(session.state);
    return read;
}

std::vector<SettingChange> SettingChanges(int modelNumber, const MouseSettings& now, const MouseSettings& wanted)
{
    std::vector<SettingChange> changes;
    const auto note = [&](std::string setting, std::string from, std::string to) {
        if (from != to) {
            changes.push_back({std::move(setting), std::move(from), std::move(to)});
        }
    };
    const ButtonMap map = RestoredMap(modelNumber, now.buttonMap, wanted.buttonMap);
    for (size_t i = 0; i < kButtons.size(); ++i) {
        note(std::string("button ") + kButtons[i].word, ButtonWord(now.buttonMap[i]), ButtonWord(map[i]));
    }
    for (size_t i = 0; i < kFunctionInputs.size(); ++i) {
        note(std::string("function ") + kFunctionInputs[i].word, FunctionText(now.functionKeys[i]),
             FunctionText(wanted.functionKeys[i]));
    }
    const SequenceRecord& was = now.sequence;
    const SequenceRecord& will = wanted.sequence;
    note("sequence count", Number(was.runCount), Number(will.runCount));
    note("sequence on", Number(was.clickOnTime), Number(will.clickOnTime));
    note("sequence off", Number(was.clickOffTime), Number(will.clickOffTime));
    note("sequence cycle", Number(was.runCycle), Number(will.runCycle));
    note("sequence use-cycle", was.useRunCycle ? "on" : "off", will.useRunCycle ? "on" : "off");
    note("sequence apply-button", Word(kApplyButtons, was.applyButton), Word(kApplyButtons, will.applyButton));
    note("sequence style", Word(kSequenceStyles, was.sequenceMode), Word(kSequenceStyles, will.sequenceMode));
    const StatusFields status = RestoredStatus(now.status, wanted.status);
    const auto mode = [](uint8_t value) {
        return value == static_cast<uint8_t>(Mode::Button) ? std::string("button") : std::string("function");
    };
    note("mode", mode(now.status.mode), mode(status.mode));
    note("resolution", Number(now.status.resolution), Number(status.resolution));
    note("interval", Number(now.status.reportInterval), Number(status.reportInterval));
    note("auto-click", now.status.autoClickOn ? "on" : "off", status.autoClickOn ? "on" : "off");
    note("auto-click target", Word(kAutoClickTargets, now.status.autoClickTarget),
         Word(kAutoClickTargets, status.autoClickTarget));
    return changes;
}

ActionResult RestoreMouseSettings(DeviceSession& session, const MouseSettings& now, const MouseSettings& wanted)
{
    MouseCommands& commands = session.commands;
    StateKeeper& keeper = session.keeper;
    ActionResult result = ActionResult::Done;
    const ButtonMap map = RestoredMap(session.modelNumber, now.buttonMap, wanted.buttonMap);
    if (map != now.buttonMap) {
        keeper.Keep(map);
        result = FirstFailure(result, ResultOf(keeper.Take(commands.WriteButtonMap(map))));
    }
    for (size_t i = 0; i < kFunctionInputs.size(); ++i) {
        if (wanted.functionKeys[i] != now.functionKeys[i]) {
            keeper.Keep(wanted.functionKeys[i]);
            result = FirstFailure(result, ResultOf(keeper.Take(commands.WriteFunctionKey(
                                              kFunctionInputs[i].address, wanted.functionKeys[i]))));
        }
    }
    if (wanted.sequence != now.sequence) {
        keeper.Keep(wanted.sequence);
        result = FirstFailure(result, ResultOf(keeper.Take(commands.WriteSequence(wanted.sequence))));
    }
    const StatusFields status = RestoredStatus(now.status, wanted.status);
    if (status != now.status) {
        keeper.Keep(status);
        result = FirstFailure(result, ResultOf(keeper.Take(commands.WriteStatus(status))));
    }
    return result;
}

}  // namespace qmb
