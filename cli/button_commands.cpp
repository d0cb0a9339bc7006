#include <array>
#include <cstdio>
#include <string>

#include "cli/ctl_session.h"
#include "cli/echoed_text.h"
#include "protocol/button_tables.h"
#include "protocol/function_key_table.h"

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

// What a button acts as: the word of one of the five, or the mask itself
// for a value the button lists cannot show.
std::string ActsAs(uint8_t mask, bool json)
{
    for (size_t i = 0; i < kButtons.size(); ++i) {
        if (mask == kDefaultButtonMap[i]) {
            return json ? std::string("\"") + kButtons[i].word + "\"" : kButtons[i].word;
        }
    }
    return json ? std::to_string(mask) : "mask 0x" + Hex(mask);
}

}  // namespace

int CtlSession::PrintButtonMap(bool json)
{
    const ButtonMap& map = session_.state.buttonMap;
    if (json) {
        out_ << "{";
        for (size_t i = 0; i < map.size(); ++i) {
            out_ << (i ? "," : "") << "\"" << kButtons[i].word << "\":" << ActsAs(map[i], true);
        }
        out_ << "}\n";
        return kExitOk;
    }
    for (size_t i = 0; i < map.size(); ++i) {
        out_ << kButtons[i].word << std::string(7 - std::string(kButtons[i].word).size(), ' ') << "acts as "
             << ActsAs(map[i], false) << "\n";
    }
    return kExitOk;
}

int CtlSession::Buttons(const std::vector<std::string>& args)
{
    const bool json = args.size() == 2 && args[1] == "--json";
    if (args.size() == 1 || json) {
        if (const auto failed = Failure(session_.keeper.Take(session_.commands.QueryButtonMap()))) {
            return *failed;
        }
        return PrintButtonMap(json);
    }
    ButtonMap map = kDefaultButtonMap;
    if (args[1] == "set" && args.size() == 2 + map.size()) {
        for (size_t i = 0; i < map.size(); ++i) {
            const auto button = ButtonByWord(args[2 + i]);
            if (!button) {
                return Usage("buttons set: '" + Echoed(args[2 + i]) + "' is none of left right wheel 4 5");
            }
            map[i] = IndexToMask(*button);
        }
    } else if (!(args[1] == "reset" && args.size() == 2)) {
        return Usage("buttons takes --json, set L R W B4 B5, or reset");
    }
    if (const auto failed = ReadStateFirst()) {
        return *failed;
    }
    session_.state.buttonMap = map;
    if (const auto failed = Failure(session_.keeper.Take(session_.commands.WriteButtonMap(map)))) {
        return *failed;
    }
    if (const auto failed = SwitchMode(Mode::Button)) {
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
    out_ << (json ? "[" : "");
    for (const auto& row : FunctionKeyTable) {
        const std::string kind = kKindNames[static_cast<size_t>(row.kind)];
        const std::string bytes = Bytes(FunctionKeyBytes(row));
        if (json) {
            out_ << (row.row ? "," : "") << "{\"row\":" << row.row << ",\"name\":\"" << row.name << "\",\"kind\":\""
                 << kind << "\",\"bytes\":\"" << bytes << "\"}";
        } else {
            char line[80];
            std::snprintf(line, sizeof line, "%2d  %-24s %-9s %s\n", static_cast<int>(row.row), row.name, kind.c_str(),
                          bytes.c_str());
            out_ << line;
        }
    }
    out_ << (json ? "]\n" : "");
    return kExitOk;
}

int CtlSession::PrintFunctionOf(int input)
{
    const auto reply = session_.keeper.Take(session_.commands.ReadFunctionKey(kFunctionInputs[input].address));
    if (const auto failed = Failure(reply)) {
        return *failed;
    }
    const auto row = FunctionKeyRowMatching(reply.value);
    out_ << (row ? FunctionKeyTable[static_cast<size_t>(*row)].name : Bytes(reply.value)) << "\n";
    return kExitOk;
}

int CtlSession::Key(const std::vector<std::string>& args)
{
    if (args.size() < 2) {
        return Usage("key takes an input, and a function to give it");
    }
    const auto input = FunctionInputByWord(args[1]);
    if (!input) {
        return Usage("key: '" + Echoed(args[1]) + "' is none of right 4 5 wheel-up wheel-down");
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
        return Usage("key: no function '" + Echoed(function) + "' (see qmbctl functions)");
    }
    if (const auto failed = ReadStateFirst()) {
        return *failed;
    }
    session_.state.functionKey = FunctionKeyBytes(FunctionKeyTable[static_cast<size_t>(*row)]);
    const auto written = session_.keeper.Take(
        session_.commands.WriteFunctionKey(kFunctionInputs[*input].address, session_.state.functionKey));
    if (const auto failed = Failure(written)) {
        return *failed;
    }
    if (const auto failed = SwitchMode(Mode::Function)) {
        return *failed;
    }
    out_ << FunctionKeyTable[static_cast<size_t>(*row)].name << "\n";
    return kExitOk;
}

}  // namespace qmb
