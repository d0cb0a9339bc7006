// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QJsonObject>

#include <string>

#include "actions/sequence_actions.h"
#include "cli/argument_values.h"
#include "cli/ctl_session.h"
#include "cli/json_text.h"
#include "protocol/sequence_tables.h"

namespace qmb {

namespace {

std::string Word(std::span<const NamedValue> values, uint8_t value)
{
    const char* word = WordOfValue(values, value);
    return word ? word : "unknown (" + std::to_string(value) + ")";
}

}  // namespace

int CtlSession::PrintSequence(bool json)
{
    const DeviceState& state = session_.state;
    if (json) {
        out_ << JsonLine(QJsonObject{
            {"target", QString::fromStdString(Word(kAutoClickTargets, state.autoClickTarget))},
            {"count", state.runCount},
            {"on", state.clickOnTime},
            {"off", state.clickOffTime},
            {"cycle", state.runCycle},
            {"useCycle", state.useRunCycle != 0},
            {"applyButton", QString::fromStdString(Word(kApplyButtons, state.applyButton))},
            {"style", QString::fromStdString(Word(kSequenceStyles, state.sequenceMode))},
        });
        return kExitOk;
    }
    out_ << "target:        " << Word(kAutoClickTargets, state.autoClickTarget) << "\n"
         << "count:         " << int(state.runCount) << " times\n"
         << "click on:      " << int(state.clickOnTime) << " msec\n"
         << "click off:     " << int(state.clickOffTime) << " msec\n"
         << "cycle:         " << int(state.runCycle) << " msec, " << (state.useRunCycle ? "used" : "not used") << "\n"
         << "apply button:  " << Word(kApplyButtons, state.applyButton) << "\n"
         << "style:         " << Word(kSequenceStyles, state.sequenceMode) << "\n";
    return kExitOk;
}

int CtlSession::Sequence(const std::vector<std::string>& args)
{
    const bool json = args.size() == 2 && args[1] == "--json";
    const bool set = args.size() > 1 && args[1] == "set";
    if (!json && !set && args.size() > 1) {
        return Usage("sequence takes --json, or set and what to change");
    }
    // Everything is checked before anything is sent.
    std::optional<uint8_t> target, count, on, off, cycle, applyButton, style;
    std::optional<int32_t> useCycle;
    if (set) {
        const auto options = OptionPairs(
            args, 2, {"--target", "--count", "--on", "--off", "--cycle", "--apply-button", "--style", "--use-cycle"});
        if (!options || options->empty()) {
            return Usage("sequence set: unknown, repeated, incomplete or no option");
        }
        for (const auto& [name, value] : *options) {
            const auto number = ParseInteger(value);
            const auto inRange = [&](ValueRange range) -> std::optional<uint8_t> {
                return number && range.Holds(*number) ? std::optional<uint8_t>(*number) : std::nullopt;
            };
            std::optional<uint8_t> parsed;
            if (name == "--target") {
                parsed = target = ValueOfWord(kAutoClickTargets, value);
            } else if (name == "--count") {
                parsed = count = inRange(kRunCounts);
            } else if (name == "--on") {
                parsed = on = inRange(kClickTimes);
            } else if (name == "--off") {
                parsed = off = inRange(kClickTimes);
            } else if (name == "--cycle") {
                parsed = cycle = inRange(kRunCycles);
            } else if (name == "--apply-button") {
                parsed = applyButton = ValueOfWord(kApplyButtons, value);
            } else if (name == "--style") {
                parsed = style = ValueOfWord(kSequenceStyles, value);
            } else if (name == "--use-cycle" && (value == "on" || value == "off")) {
                useCycle = value == "on";
                parsed = 1;
            }
            if (!parsed) {
                return Usage("sequence set: bad value for " + name + Not(value));
            }
        }
    }
    if (const auto failed = Failed(ReadSequence(session_))) {
        return *failed;
    }
    if (!set) {
        return PrintSequence(json);
    }
    // Only what is given changes; the rest is written as the mouse has it.
    SequenceRecord record = SequenceOf(session_.state);
    record.runCount = count.value_or(record.runCount);
    record.clickOnTime = on.value_or(record.clickOnTime);
    record.clickOffTime = off.value_or(record.clickOffTime);
    record.runCycle = cycle.value_or(record.runCycle);
    record.applyButton = applyButton.value_or(record.applyButton);
    record.sequenceMode = style.value_or(record.sequenceMode);
    record.useRunCycle = useCycle.value_or(record.useRunCycle);
    if (const auto failed = Failed(SaveSequence(session_, target, record))) {
        return *failed;
    }
    return PrintSequence(false);
}

}  // namespace qmb
