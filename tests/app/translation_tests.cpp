// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <set>
#include <tuple>

#include "app/about_box.h"
#include "app/tray_menu.h"
#include "tests/app/control_box_fixture.h"

namespace qmb::test {
namespace {

const QString kSourceDir = QStringLiteral(QMB_SOURCE_DIR);
const QString kKoreanTs = kSourceDir + "/res/i18n/qmbpro_ko.ts";

// One translatable text: its class, its English and its disambiguation.
using MessageKey = std::tuple<QString, QString, QString>;

struct TsMessage {
    MessageKey key;
    QString translation;
    QString translationType;
};

std::vector<TsMessage> ReadTs(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    std::vector<TsMessage> messages;
    QString context;
    TsMessage message;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"message") {
            messages.push_back(message);
        } else if (!xml.isStartElement()) {
            continue;
        } else if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = TsMessage{{context, {}, {}}, {}, {}};
        } else if (xml.name() == u"source") {
            std::get<1>(message.key) = xml.readElementText();
        } else if (xml.name() == u"comment") {
            std::get<2>(message.key) = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.translationType = xml.attributes().value("type").toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

std::set<MessageKey> Keys(const std::vector<TsMessage>& messages)
{
    std::set<MessageKey> keys;
    for (const auto& message : messages) {
        keys.insert(message.key);
    }
    return keys;
}

std::string Describe(const MessageKey& key)
{
    const auto& [context, source, comment] = key;
    return (context + ": \"" + source + "\"" + (comment.isEmpty() ? QString() : " (" + comment + ")")).toStdString();
}

QStringList MenuTexts(const QMenu& menu)
{
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

// Readable in a failure message.
std::string Joined(const QStringList& texts)
{
    return texts.join(" | ").toStdString();
}

QString ReadResource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The Korean translation, installed as the program installs it for a Korean
// desktop.
class KoreanTranslationTest : public ControlBoxFixture {
protected:
    void SetUp() override
    {
        ControlBoxFixture::SetUp();
        ASSERT_TRUE(translator_.load(":/i18n/qmbpro_ko.qm"));
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator_));
    }

    void TearDown() override
    {
        ControlBoxFixture::TearDown();
        QCoreApplication::removeTranslator(&translator_);
    }

    // The texts of the control box's right-click menu.
    QStringList BoxMenuTexts()
    {
        QStringList texts;
        InBoxMenu([&](QMenu& menu) { texts = MenuTexts(menu); });
        return texts;
    }

    QTranslator translator_;
};

// Menu 150 (the box hidden, not topmost) has its own wording of one item.
QStringList KoreanTrayMenu(int variant)
{
    return {"항상 위", "설정창 보기", "프로파일 저장하기", variant == 150 ? "프로파일 가져하기" : "프로파일 가져오기",
            "사이트 등록/수정", "마우스 설정 백업...", "마우스 설정 복원...", "로그인할 때 시작", "종료"};
}

TEST_F(KoreanTranslationTest, TrayMenuSpeaksKoreanWithTheWordingOfEachVariant)
{
    TrayMenu tray;
    for (const int variant : {148, 150, 151, 152}) {
        tray.Fill(variant);
        EXPECT_EQ(Joined(MenuTexts(tray.menu())), Joined(KoreanTrayMenu(variant))) << variant;
    }
}

TEST_F(KoreanTranslationTest, AboutBoxAndItsMenuItemSpeakKorean)
{
    AboutBox about;
    EXPECT_EQ(about.windowTitle(), "QMBPro 정보");
    QStringList labels;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        labels << label->text();
    }
    EXPECT_TRUE(labels.contains("QMBPro 버전 1.0")) << Joined(labels);

    Start(0, Language::Korean);
    EXPECT_EQ(Joined(BoxMenuTexts()), "QMBPro 정보(&A)...");
}

TEST_F(KoreanTranslationTest, ControlBoxMenuWithoutATrayOffersTheKoreanTrayItems)
{
    mouse_ = std::make_unique<EmulatedPlatform>(0);
    session_ = std::make_unique<DeviceSession>(*mouse_, 0);
    program_ = std::make_unique<TrayProgram>(*session_, Language::Korean, [] { return false; });
    program_->Start();
    // The box is shown, but "Show" was never set: the menu of a hidden box.
    EXPECT_EQ(Joined(BoxMenuTexts()), Joined(QStringList{"QMBPro 정보(&A)..."} + KoreanTrayMenu(150)));
}

TEST(KoreanTranslationFile, EveryEntryIsTranslated)
{
    const auto messages = ReadTs(kKoreanTs);
    ASSERT_FALSE(messages.empty());
    for (const auto& message : messages) {
        EXPECT_TRUE(message.translationType.isEmpty())
            << Describe(message.key) << " is " << message.translationType.toStdString();
        EXPECT_FALSE(message.translation.isEmpty()) << Describe(message.key);
    }
}

// A text added to the program without a Korean entry would show in English
// on a Korean desktop; an entry whose text is gone is dead weight.
TEST(KoreanTranslationFile, MatchesTheTranslatableTextsOfTheSources)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QString scanned = scratch.filePath("scanned_ko.ts");
    QStringList arguments{"-silent", "-locations", "none", "-I", kSourceDir,
                          "-tr-function-alias", "QT_TRANSLATE_NOOP+=QMB_TRANSLATABLE"};
    for (const char* source : {"app", "ui", "protocol/button_tables.h",
                               "protocol/function_key_table.h"}) {
        if (QDir(kSourceDir).exists(source)) {
            arguments << QDir(kSourceDir).filePath(source);
        }
    }
    arguments << "-ts" << scanned;
    QProcess lupdate;
    lupdate.start(QStringLiteral(QMB_LUPDATE), arguments);
    ASSERT_TRUE(lupdate.waitForFinished(60000)) << lupdate.errorString().toStdString();
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    const auto inSources = Keys(ReadTs(scanned));
    const auto inTranslation = Keys(ReadTs(kKoreanTs));
    ASSERT_FALSE(inSources.empty());
    for (const auto& key : inSources) {
        EXPECT_TRUE(inTranslation.contains(key)) << "no Korean for " << Describe(key);
    }
    for (const auto& key : inTranslation) {
        EXPECT_TRUE(inSources.contains(key)) << "no longer in the sources: " << Describe(key);
    }
}

// The manual travels inside the program and is opened from a temporary
// copy: anything it pulled from elsewhere would be missing there.
TEST(BundledManual, BothLanguagesAreSelfContainedPages)
{
    const QRegularExpression outsideReference(R"((src|href)\s*=\s*"(?!#)|url\((?!#)|<script|<link|@import)",
                                              QRegularExpression::CaseInsensitiveOption);
    for (const char* name : {"manual_en.html", "manual_ko.html"}) {
        const QString page = ReadResource(QString(":/help/") + name);
        ASSERT_FALSE(page.isEmpty()) << name;
        EXPECT_TRUE(page.startsWith("<!DOCTYPE html>")) << name;
        EXPECT_TRUE(page.contains(R"(<meta charset="utf-8">)")) << name;
        EXPECT_TRUE(page.contains("QMBPro")) << name;
        EXPECT_TRUE(page.contains("prefers-color-scheme: dark")) << name;
        const auto match = outsideReference.match(page);
        EXPECT_FALSE(match.hasMatch()) << name << " refers outside itself: " << match.captured().toStdString();
    }
}

TEST(BundledManual, NamesTheTrayMenuItemsAsTheMenuShowsThem)
{
    TrayMenu tray;
    tray.Fill(152);
    const QString english = ReadResource(":/help/manual_en.html");
    for (QString text : MenuTexts(tray.menu())) {
        text.remove('&');
        EXPECT_TRUE(english.contains(text)) << text.toStdString();
    }

    QTranslator korean;
    ASSERT_TRUE(korean.load(":/i18n/qmbpro_ko.qm"));
    QCoreApplication::installTranslator(&korean);
    tray.Fill(152);
    const QStringList koreanTexts = MenuTexts(tray.menu());
    QCoreApplication::removeTranslator(&korean);
    const QString koreanPage = ReadResource(":/help/manual_ko.html");
    for (const QString& text : koreanTexts) {
        EXPECT_TRUE(koreanPage.contains(text)) << text.toStdString();
    }
}

}  // namespace
}  // namespace qmb::test
