// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "cli/ctl_session.h"

#include <algorithm>
#include <iomanip>
#include <map>

#include "actions/raw_report.h"
#include "actions/status_actions.h"
#include "cli/argument_values.h"
#include "cli/echoed_text.h"
#include "cli/status_text.h"
#include "cli/watch_command.h"
#include "device/access_help.h"
#include "device/report_trace.h"
#include "protocol/model_table.h"
#include "protocol/secret_bytes.h"
#include "protocol/sequence_tables.h"

namespace qmb {

const char* const kCtlUsage =
    "usage: qmbctl [--demo] [--model N] [--trace] COMMAND\n"
    "  status [--json]\n"
    "  set [--mode button|function] [--resolution N] [--interval 0-7] [--auto-click on|off] [--target right|4|5]\n"
    "  buttons [--json]  what each button acts as\n"
    "  buttons set L R W B4 B5   each one of left right wheel 4 5; then button mode\n"
    "                    (the three-button T32, model 2: buttons set L R W)\n"
    "  buttons reset     every button acts as itself; then button mode\n"
    "  functions [--json]        the functions an input can send\n"
    "  key INPUT [FUNCTION]      an input's function, or give it one (a row number\n"
    "                    or name from `functions`); then function mode.\n"
    "                    INPUT is one of right 4 5 wheel-up wheel-down\n"
    "  sequence [--json] the auto-click sequence and its target\n"
    "  sequence set [--target right|4|5] [--count 1-50] [--on 1-50] [--off 1-50] [--cycle 2-49]\n"
    "               [--apply-button left|right] [--style continue-value|toggle|continue] [--use-cycle on|off]\n"
    "  password status [--json]  whether a mouse and a short password exist, and\n"
    "                    whether the mouse is signed in\n"
    "  password set      the mouse password, typed twice\n"
    "  password short set|delete the short password (signed in)\n"
    "  sign-in           with the password the mouse asks for\n"
    "  sign-out\n"
    "  site list [--json]        the 31 sites: title, and the slots of ID and password\n"
    "  site select N     the mouse works on site N (1-31); complete or not\n"
    "  site title N TEXT the site's title, at most 12 characters\n"
    "  site set-id N, site set-password N     (signed in; secret as for passwords)\n"
    "  site delete-id N, site delete-password N\n"
    "  backup [FILE]     the mouse's settings and the site titles, no secret, as JSON\n"
    "                    into FILE (read by you alone), or onto standard output\n"
    "  restore FILE [--dry-run] [--json]  what differs from FILE, then sent\n"
    "  raw HEX...        one report, report id (04 or 08) first\n"
    "  watch             follow the mouse until interrupted (demo mouse: SIGUSR1 presses\n"
    "                    its reset, SIGUSR2 unplugs it or plugs it back in)\n"
    "  -                 commands from standard input, one per line\n"
    "Secrets come from the terminal without echo, or the next line of standard\n"
    "input (in a script, the line after the command).\n";

namespace {

constexpr size_t kReportLength4 = 8;
constexpr size_t kReportLength8 = 9;

// How many lines after a command are its secrets.
size_t SecretLinesOf(const std::vector<std::string>& args)
{
    const auto word = [&](size_t i, std::string_view expected) { return args.size() > i && args[i] == expected; };
    if (word(0, "password") && word(1, "set")) {
        return 2;
    }
    const bool shortSet = word(0, "password") && word(1, "short") && word(2, "set");
    const bool siteSecret = word(0, "site") && (word(1, "set-id") || word(1, "set-password"));
    return shortSet || siteSecret || word(0, "sign-in") ? 1 : 0;
}

}  // namespace

CtlSession::CtlSession(HidPlatform& platform, int modelNumber, std::ostream& out, std::ostream& err,
                       SecretInput& secrets, WatchSignals watchSignals)
    : session_(platform, modelNumber),
      out_(out),
      err_(err),
      secrets_(secrets),
      watchSignals_(std::move(watchSignals))
{
}

void CtlSession::SetTrace(ReportTrace* trace)
{
    session_.link.SetTrace(trace);
}

int CtlSession::Run(const std::vector<std::string>& args)
{
    if (args.empty()) {
        return Usage("no command given");
    }
    if (args[0] == "status") {
        return Status(args);
    }
    if (args[0] == "set") {
        return Set(args);
    }
    if (args[0] == "raw") {
        return Raw(args);
    }
    if (args[0] == "watch") {
        return Watch(args);
    }
    if (args[0] == "buttons") {
        return Buttons(args);
    }
    if (args[0] == "functions") {
        return Functions(args);
    }
    if (args[0] == "key") {
        return Key(args);
    }
    if (args[0] == "sequence") {
        return Sequence(args);
    }
    if (args[0] == "password") {
        return Password(args);
    }
    if (args[0] == "sign-in") {
        return SignIn(args);
    }
    if (args[0] == "sign-out") {
        return SignOut(args);
    }
    if (args[0] == "site") {
        return Site(args);
    }
    if (args[0] == "backup") {
        return Backup(args);
    }
    if (args[0] == "restore") {
        return Restore(args);
    }
    return Usage("unknown command" + Quoted(args[0]));
}

int CtlSession::RunLine(size_t number, const std::vector<std::string>& args)
{
    scriptLine_ = number;
    const size_t secretsBefore = secrets_.linesRead();
    const int status = Run(args);
    // At a terminal the user sees the refusal before typing any secret.
    if (!secrets_.fromTerminal()) {
        for (size_t read = secrets_.linesRead() - secretsBefore; read < SecretLinesOf(args); ++read) {
            SecretLine dropped;
            if (!secrets_.Read({}, dropped)) {
                break;
            }
        }
    }
    scriptLine_.reset();
    return status;
}

std::string CtlSession::Quoted(std::string_view word) const
{
    return scriptLine_ ? std::string() : " '" + Echoed(word) + "'";
}

std::string CtlSession::Not(std::string_view word) const
{
    return scriptLine_ ? std::string() : ", not '" + Echoed(word) + "'";
}

int CtlSession::Usage(const std::string& problem)
{
    err_ << "qmbctl: ";
    if (scriptLine_) {
        err_ << "line " << *scriptLine_ << ": ";
    }
    err_ << problem << "\n";
    // A script of bad lines gets the usage once, not once a line.
    if (!usageShown_) {
        err_ << kCtlUsage;
        usageShown_ = true;
    }
    return kExitUsage;
}

int CtlSession::NoMouse()
{
    const DeviceIdentity& mouse = session_.link.identity();
    const auto lockedOut = session_.platform.InaccessibleNodes(mouse);
    if (!lockedOut.empty()) {
        const AccessHelp help = AccessHelpFor(mouse, lockedOut);
        err_ << "qmbctl: " << help.explanation << "\n";
        for (const std::string& command : help.commands) {
            err_ << "    " << command << "\n";
        }
        return kExitNoMouse;
    }
    err_ << "qmbctl: no mouse found (vendor " << std::hex << std::setfill('0') << std::setw(4) << mouse.vendorId
         << ", product " << std::setw(4) << mouse.productId << std::dec << std::setfill(' ') << ")\n";
    return kExitNoMouse;
}

int CtlSession::Finish(ActionResult result)
{
    if (result == ActionResult::NoMouse) {
        return NoMouse();
    }
    const ResultMessage& message = MessageOf(result);
    if (message.text) {
        err_ << "qmbctl: " << message.text << "\n";
    }
    return message.exitCode;
}

std::optional<int> CtlSession::Failed(ActionResult result)
{
    if (result == ActionResult::Done) {
        return std::nullopt;
    }
    return Finish(result);
}

int CtlSession::Status(const std::vector<std::string>& args)
{
    const bool json = args.size() == 2 && args[1] == "--json";
    if (args.size() > 2 || (args.size() == 2 && !json)) {
        return Usage("status takes only --json");
    }
    if (const auto failed = Failed(ReadStatus(session_))) {
        return *failed;
    }
    out_ << (json ? StatusJson(session_.state, session_.modelNumber) : StatusText(session_.state, session_.modelNumber));
    return kExitOk;
}

int CtlSession::Set(const std::vector<std::string>& args)
{
    const auto options =
        OptionPairs(args, 1, {"--mode", "--resolution", "--interval", "--auto-click", "--target"});
    if (!options) {
        return Usage("set: unknown, repeated or incomplete option");
    }
    if (options->empty()) {
        return Usage("set: nothing to set");
    }
    // Everything is checked before anything is sent.
    const auto& facts = FactsForModel(session_.modelNumber);
    StatusChange change;
    for (const auto& [name, value] : *options) {
        const auto number = ParseInteger(value);
        if (name == "--mode" && (value == "button" || value == "function")) {
            change.mode = value == "button" ? Mode::Button : Mode::Function;
        } else if (name == "--resolution" && number && *number >= facts.resolutionMin &&
                   *number <= facts.resolutionMax) {
            change.resolution = static_cast<uint8_t>(*number);
        } else if (name == "--interval" && number && *number >= 0 && *number <= kMaxReportInterval) {
            change.reportInterval = static_cast<uint8_t>(*number);
        } else if (name == "--auto-click" && (value == "on" || value == "off")) {
            change.autoClickOn = value == "on";
        } else if (name == "--target" && ValueOfWord(kAutoClickTargets, value)) {
            change.autoClickTarget = ValueOfWord(kAutoClickTargets, value);
        } else if (name == "--resolution") {
            return Usage("set: resolution must be " + std::to_string(facts.resolutionMin) + " to " +
                         std::to_string(facts.resolutionMax) + " on this model");
        } else {
            return Usage("set: bad value for " + name + Not(value));
        }
    }
    if (const auto failed = Failed(ChangeStatus(session_, change))) {
        return *failed;
    }
    out_ << StatusText(session_.state, session_.modelNumber);
    return kExitOk;
}

int CtlSession::Raw(const std::vector<std::string>& args)
{
    const std::vector<std::string_view> words(args.begin() + 1, args.end());
    const auto bytes = ParseHexBytes(words);
    if (!bytes || bytes->empty()) {
        return Usage("raw: give the report as hex bytes, e.g. raw 04 FF CA");
    }
    const uint8_t reportId = bytes->front();
    if (reportId != 4 && reportId != 8) {
        return Usage("raw: the report id must be 04 or 08");
    }
    const size_t length = reportId == 4 ? kReportLength4 : kReportLength8;
    if (bytes->size() > length) {
        return Usage("raw: a report with id " + std::to_string(reportId) + " has at most " + std::to_string(length) +
                     " bytes");
    }
    std::vector<uint8_t> report = *bytes;
    report.resize(length, 0);
    const auto reply = SendRawReport(session_, report);
    if (const auto failed = Failed(reply.result)) {
        return *failed;
    }
    out_ << FormatReport(reply.value, SecretStartOfReply(report, reply.value)) << "\n";
    return kExitOk;
}

}  // namespace qmb

namespace qmb {

int CtlSession::Watch(const std::vector<std::string>& args)
{
    if (args.size() > 1) {
        return Usage("watch takes no options");
    }
    interruptedBy_ = RunWatch(session_, watchSignals_, out_);
    return kExitOk;
}

}  // namespace qmb
