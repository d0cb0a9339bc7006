// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "backup/backup_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cstdio>

#include "protocol/button_tables.h"
#include "protocol/function_key_table.h"
#include "protocol/model_table.h"
#include "protocol/sequence_tables.h"
#include "settings/settings_file.h"

namespace qmb {

namespace {

constexpr const char* kFormat = "qmbpro-backup";
constexpr int kVersion = 1;
constexpr int kTitleCharacters = 12;

constexpr std::array<NamedValue, 2> kModes{{{1, "button"}, {2, "function"}}};

// A named value as its word, or as the number the mouse holds when it has
// no word.
QJsonValue Named(std::span<const NamedValue> values, uint8_t value)
{
    const char* word = WordOfValue(values, value);
    return word ? QJsonValue(word) : QJsonValue(value);
}

QJsonValue ButtonValue(uint8_t mask)
{
    for (size_t i = 0; i < kButtons.size(); ++i) {
        if (mask == kDefaultButtonMap[i]) {
            return kButtons[i].word;
        }
    }
    return mask;
}

QString HexBytes(const FunctionKey& key)
{
    return QString::asprintf("%02X %02X %02X", key[0], key[1], key[2]);
}

// Finds the first fault of a backup and says where it is.
class Checker {
public:
    bool Fail(const std::string& where, const std::string& fault)
    {
        if (fault_.empty()) {
            where_ = where;
            fault_ = fault;
        }
        return false;
    }
    bool failed() const { return !fault_.empty(); }
    CheckedBackup Result(Backup backup) const
    {
        return failed() ? CheckedBackup{std::nullopt, where_, fault_} : CheckedBackup{std::move(backup), {}, {}};
    }

    QJsonObject Object(const QJsonObject& parent, const std::string& where)
    {
        const QJsonValue value = parent.value(QString::fromStdString(Last(where)));
        if (!value.isObject()) {
            Fail(where, "is missing or not an object");
        }
        return value.toObject();
    }

    uint8_t Integer(const QJsonObject& parent, const std::string& where, int least, int most)
    {
        const QJsonValue value = parent.value(QString::fromStdString(Last(where)));
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number != static_cast<int>(number) || number < least || number > most) {
            Fail(where, "must be a whole number from " + std::to_string(least) + " to " + std::to_string(most));
            return 0;
        }
        return static_cast<uint8_t>(number);
    }

    bool Boolean(const QJsonObject& parent, const std::string& where)
    {
        const QJsonValue value = parent.value(QString::fromStdString(Last(where)));
        if (!value.isBool()) {
            Fail(where, "must be true or false");
        }
        return value.toBool();
    }

    uint8_t Word(const QJsonObject& parent, const std::string& where, std::span<const NamedValue> values)
    {
        const QJsonValue value = parent.value(QString::fromStdString(Last(where)));
        if (const auto named = ValueOfWord(values, value.toString().toStdString()); value.isString() && named) {
            return *named;
        }
        std::string words;
        for (const NamedValue& named : values) {
            words += std::string(words.empty() ? "" : ", ") + named.word;
        }
        Fail(where, "must be one of " + words);
        return 0;
    }

private:
    static std::string Last(const std::string& where)
    {
        const size_t dot = where.rfind('.');
        return dot == std::string::npos ? where : where.substr(dot + 1);
    }

    std::string where_;
    std::string fault_;
};

std::optional<FunctionKey> ParseBytes(const QString& text)
{
    FunctionKey key{};
    unsigned values[3];
    char rest = 0;
    const QByteArray bytes = text.toLatin1();
    if (std::sscanf(bytes.constData(), "%2x %2x %2x%c", &values[0], &values[1], &values[2], &rest) != 3 ||
        text.size() != 8) {
        return std::nullopt;
    }
    for (size_t i = 0; i < key.size(); ++i) {
        key[i] = static_cast<uint8_t>(values[i]);
    }
    return key;
}

void CheckStatus(Checker& check, const QJsonObject& root, int model, StatusFields& status)
{
    const QJsonObject object = check.Object(root, "status");
    const ModelFacts& facts = FactsForModel(model);
    status.mode = check.Word(object, "status.mode", kModes);
    status.resolution = check.Integer(object, "status.resolution", facts.resolutionMin, facts.resolutionMax);
    status.reportInterval = check.Integer(object, "status.interval", 0, kMaxReportInterval);
    status.autoClickOn = check.Boolean(object, "status.autoClick") ? 1 : 0;
    status.autoClickTarget = check.Word(object, "status.autoClickTarget", kAutoClickTargets);
    // A backup never turns web-site mode on: that takes a sign-in.
    if (check.Boolean(object, "status.siteMode")) {
        check.Fail("status.siteMode", "must be false: only a sign-in turns web-site mode on");
    }
}

void CheckButtons(Checker& check, const QJsonObject& root, ButtonMap& map)
{
    const QJsonObject object = check.Object(root, "buttons");
    for (size_t i = 0; i < kButtons.size(); ++i) {
        const std::string where = std::string("buttons.") + kButtons[i].word;
        const QJsonValue value = object.value(kButtons[i].word);
        if (const auto button = ButtonByWord(value.toString().toStdString()); value.isString() && button) {
            map[i] = IndexToMask(*button);
        } else {
            map[i] = check.Integer(object, where, 0, 255);
        }
    }
}

void CheckFunctionKeys(Checker& check, const QJsonObject& root, std::array<FunctionKey, 5>& keys)
{
    const QJsonObject object = check.Object(root, "functionKeys");
    for (size_t i = 0; i < kFunctionInputs.size(); ++i) {
        const std::string where = std::string("functionKeys.") + kFunctionInputs[i].word;
        const QJsonObject input = check.Object(object, where);
        const auto bytes = ParseBytes(input.value("bytes").toString());
        if (!bytes) {
            check.Fail(where + ".bytes", "must be three hex bytes such as \"01 01 06\"");
            continue;
        }
        keys[i] = *bytes;
        const QJsonValue function = input.value("function");
        if (function.isNull()) {
            continue;
        }
        const auto row = FunctionKeyRowNamed(function.toString().toStdString());
        if (!function.isString() || !row) {
            check.Fail(where + ".function", "is no function of `qmbctl functions`");
        } else if (FunctionKeyBytes(FunctionKeyTable[static_cast<size_t>(*row)]) != *bytes) {
            check.Fail(where + ".bytes", "are not the bytes of its function");
        }
    }
}

void CheckSequence(Checker& check, const QJsonObject& root, SequenceRecord& record)
{
    const QJsonObject object = check.Object(root, "sequence");
    record.runCount = check.Integer(object, "sequence.count", kRunCounts.first, kRunCounts.last);
    record.clickOnTime = check.Integer(object, "sequence.on", kClickTimes.first, kClickTimes.last);
    record.clickOffTime = check.Integer(object, "sequence.off", kClickTimes.first, kClickTimes.last);
    record.runCycle = check.Integer(object, "sequence.cycle", kRunCycles.first, kRunCycles.last);
    record.useRunCycle = check.Boolean(object, "sequence.useCycle") ? 1 : 0;
    record.applyButton = check.Word(object, "sequence.applyButton", kApplyButtons);
    record.sequenceMode = check.Word(object, "sequence.style", kSequenceStyles);
}

void CheckSites(Checker& check, const QJsonObject& root, Backup& backup)
{
    const QJsonArray sites = root.value("sites").toArray();
    if (!root.value("sites").isArray() || sites.size() != static_cast<qsizetype>(SiteTable.size())) {
        check.Fail("sites", "must list the 31 sites");
        return;
    }
    for (size_t i = 0; i < SiteTable.size(); ++i) {
        const std::string where = "sites[" + std::to_string(i) + "]";
        const QJsonObject site = sites[static_cast<qsizetype>(i)].toObject();
        if (site.value("site").toInt() != static_cast<int>(i + 1)) {
            check.Fail(where + ".site", "must be " + std::to_string(i + 1));
        }
        const QString title = site.value("title").toString();
        const bool printable = std::all_of(title.begin(), title.end(), [](QChar c) { return c.isPrint(); });
        if (!site.value("title").isString() || title.size() > kTitleCharacters || !printable) {
            check.Fail(where + ".title", "must be at most 12 printable characters");
        }
        backup.titles[i] = title.toStdString();
        backup.settings.sites[i] = {check.Boolean(site, where + ".id"), check.Boolean(site, where + ".password")};
    }
}

}  // namespace

QByteArray BackupJson(const Backup& backup)
{
    const MouseSettings& settings = backup.settings;
    const QJsonObject status{
        {"mode", Named(kModes, settings.status.mode)},
        {"resolution", settings.status.resolution},
        {"interval", settings.status.reportInterval},
        {"autoClick", settings.status.autoClickOn != 0},
        {"autoClickTarget", Named(kAutoClickTargets, settings.status.autoClickTarget)},
        {"siteMode", false},
    };
    QJsonObject buttons;
    for (size_t i = 0; i < kButtons.size(); ++i) {
        buttons[kButtons[i].word] = ButtonValue(settings.buttonMap[i]);
    }
    QJsonObject functionKeys;
    for (size_t i = 0; i < kFunctionInputs.size(); ++i) {
        const FunctionKey& key = settings.functionKeys[i];
        const auto row = FunctionKeyRowMatching(key);
        functionKeys[kFunctionInputs[i].word] = QJsonObject{
            {"function", row ? QJsonValue(FunctionKeyTable[static_cast<size_t>(*row)].name) : QJsonValue()},
            {"bytes", HexBytes(key)},
        };
    }
    const SequenceRecord& record = settings.sequence;
    const QJsonObject sequence{
        {"count", record.runCount},
        {"on", record.clickOnTime},
        {"off", record.clickOffTime},
        {"cycle", record.runCycle},
        {"useCycle", record.useRunCycle != 0},
        {"applyButton", Named(kApplyButtons, record.applyButton)},
        {"style", Named(kSequenceStyles, record.sequenceMode)},
    };
    QJsonArray sites;
    for (size_t i = 0; i < SiteTable.size(); ++i) {
        sites.append(QJsonObject{{"site", static_cast<int>(i + 1)},
                                 {"title", QString::fromStdString(backup.titles[i])},
                                 {"id", settings.sites[i].id},
                                 {"password", settings.sites[i].password}});
    }
    const QJsonObject root{{"format", kFormat}, {"version", kVersion},      {"model", backup.model},
                           {"status", status},  {"buttons", buttons},        {"functionKeys", functionKeys},
                           {"sequence", sequence}, {"sites", sites}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

CheckedBackup CheckBackup(const QByteArray& json, int model)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject()) {
        return {std::nullopt, "", "not a JSON object: " + error.errorString().toStdString()};
    }
    const QJsonObject root = document.object();
    Checker check;
    Backup backup;
    if (root.value("format").toString() != kFormat) {
        check.Fail("format", std::string("must be \"") + kFormat + "\"");
    }
    if (root.value("version").toInt() != kVersion) {
        check.Fail("version", "must be 1");
    }
    backup.model = check.Integer(root, "model", 0, 255);
    if (!check.failed() && FactsForModel(backup.model).resolutionMax != FactsForModel(model).resolutionMax) {
        check.Fail("model", "was made on a mouse with " + std::to_string(FactsForModel(backup.model).resolutionMax) +
                                " resolution steps; this one has " +
                                std::to_string(FactsForModel(model).resolutionMax));
    }
    CheckStatus(check, root, model, backup.settings.status);
    CheckButtons(check, root, backup.settings.buttonMap);
    CheckFunctionKeys(check, root, backup.settings.functionKeys);
    CheckSequence(check, root, backup.settings.sequence);
    CheckSites(check, root, backup);
    return check.Result(std::move(backup));
}

CheckedBackup ReadBackupFile(const QString& path, int model)
{
    const settings::SettingsFile file = settings::CheckSettingsFile(path, true);
    switch (file.state) {
    case settings::SettingsFile::State::Readable:
        return CheckBackup(file.contents, model);
    case settings::SettingsFile::State::Missing:
        return {std::nullopt, "", "no such file"};
    default:
        return {std::nullopt, "", file.trouble.toStdString()};
    }
}

std::optional<std::string> WriteBackupFile(const QString& path, const QByteArray& json)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(json) != json.size() || !file.commit()) {
        return file.errorString().toStdString();
    }
    return std::nullopt;
}

}  // namespace qmb
