// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QJsonArray>
#include <QJsonObject>

#include <array>
#include <cstdio>
#include <string>

#include "actions/button_actions.h"
#include "actions/status_actions.h"
#include "cli/ctl_session.h"
#include "cli/json_text.h"
#include "protocol/button_tables.h"
#include "protocol/function_key_table.h"
#include "protocol/model_table.h"

namespace qmb {

namespace {

constexpr std::array<const char*, 3> kKindNames{"none", "keyboard", "media"};

std::string Hex(uint8_t byte)
{
    char text[3];
    std::snprintf(text, sizeof text, "%02X", byte);
    return text;
}

std::string Bytes(const FunctionKey& key)
{
    return Hex(key[0]) + " " + Hex(key[1]) + " " + Hex(key[2]);
}

// The word of the button a mask makes a button act as; none for a mask
// the button lists cannot show.
const char* ButtonWordOf(uint8_t mask)
{
    for (size_t i = 0; i < kButtons.size(); ++i) {
        if (mask == kDefaultButtonMap[i]) {
            return kButtons[i].word;
        }
    }
    return nullptr;
}

}  // namespace

int CtlSession::PrintButtonMap(bool json)
{
    const ButtonMap& map = session_.state.buttonMap;
    if (json) {
        QJsonObject buttons;
        for (size_t i = 0; i < map.size(); ++i) {
            const char* word = ButtonWordOf(map[i]);
            buttons[kButtons[i].word] = word ? QJsonValue(word) : QJsonValue(map[i]);
        }
        out_ << JsonLine(buttons);
        return kExitOk;
    }
    for (size_t i = 0; i < map.size(); ++i) {
        const char* word = ButtonWordOf(map[i]);
        out_ << kButtons[i].word << std::string(7 - std::string(kButtons[i].word).size(), ' ') << "acts as "
             << (word ? std::string(word) : "mask 0x" + Hex(map[i])) << "\n";
    }
    return kExitOk;
}

int CtlSession::Buttons(const std::vector<std::string>& args)
{
    const bool json = args.size() == 2 && args[1] == "--json";
    if (args.size() == 1 || json) {
        if (const auto failed = Failed(ReadButtonMap(session_))) {
            return *failed;
        }
        return PrintButtonMap(json);
    }
    // A model without a 4th and 5th button is given three; those two keep
    // what the mouse holds.
    const size_t buttons = HasButtons4And5(session_.modelNumber) ? kButtons.size() : kButtons.size() - 2;
    ButtonMap map = kDefaultButtonMap;
    if (args[1] == "set" && args.size() == 2 + buttons) {
        for (size_t i = 0; i < buttons; ++i) {
            const auto button = ButtonByWord(args[2 + i]);
            if (!button) {
                return Usage("buttons set: each button acts as one of left right wheel 4 5" + Not(args[2 + i]));
            }
            map[i] = IndexToMask(*button);
        }
    } else if (args[1] == "set" && buttons < kButtons.size()) {
        return Usage("buttons set: this model has three buttons: give left, right and wheel what to act as");
    } else if (!(args[1] == "reset" && args.size() == 2)) {
        return Usage("buttons takes --json, set L R W B4 B5, or reset");
    }
    if (const auto failed = Failed(SaveButtonMap(session_, map))) {
        return *failed;
    }
    return PrintButtonMap(false);
}

int CtlSession::Functions(const std::vector<std::string>& args)
{
    const bool json = args.size() == 2 && args[1] == "--json";
    if (args.size() > 2 || (args.size() == 2 && !json)) {
        return Usage("functions takes only --json");
    }
    QJsonArray rows;
    for (const auto& row : FunctionKeyTable) {
        const std::string kind = kKindNames[static_cast<size_t>(row.kind)];
        const std::string bytes = Bytes(FunctionKeyBytes(row));
        if (json) {
            rows.append(QJsonObject{{"row", row.row},
                                    {"name", row.name},
                                    {"kind", QString::fromStdString(kind)},
                                    {"bytes", QString::fromStdString(bytes)}});
        } else {
            char line[80];
            std::snprintf(line, sizeof line, "%2d  %-24s %-9s %s\n", static_cast<int>(row.row), row.name, kind.c_str(),
                          bytes.c_str());
            out_ << line;
        }
    }
    if (json) {
        out_ << JsonLine(rows);
    }
    return kExitOk;
}

int CtlSession::PrintFunctionOf(int input)
{
    if (const auto failed = Failed(ReadFunctionKey(session_, input))) {
        return *failed;
    }
    const auto row = FunctionKeyRowMatching(session_.state.functionKey);
    out_ << (row ? FunctionKeyTable[static_cast<size_t>(*row)].name : Bytes(session_.state.functionKey)) << "\n";
    return kExitOk;
}

int CtlSession::Key(const std::vector<std::string>& args)
{
    if (args.size() < 2) {
        return Usage("key takes an input, and a function to give it");
    }
    const auto input = FunctionInputByWord(args[1]);
    if (!input) {
        return Usage("key: the input is one of right 4 5 wheel-up wheel-down" + Not(args[1]));
    }
    if (args.size() == 2) {
        return PrintFunctionOf(*input);
    }
    // A name of several words may come as several words ("next track").
    std::string function = args[2];
    for (size_t i = 3; i < args.size(); ++i) {
        function += " " + args[i];
    }
    const auto row = FunctionKeyRowNamed(function);
    if (!row) {
        return Usage("key: the function is a row number or a name from qmbctl functions" + Not(function));
    }
    if (const auto failed = Failed(SaveFunctionKey(session_, *input, *row))) {
        return *failed;
    }
    out_ << FunctionKeyTable[static_cast<size_t>(*row)].name << "\n";
    return kExitOk;
}

}  // namespace qmb
