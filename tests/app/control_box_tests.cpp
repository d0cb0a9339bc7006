// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QTest>

#include <functional>

#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "settings/site_titles.h"
#include "tests/app/control_box_fixture.h"

namespace qmb::test {
namespace {

class ControlBoxTest : public ControlBoxFixture {
protected:
    void LeftPress() { emit program_->tray().icon()->activated(QSystemTrayIcon::Trigger); }

    // A right press on an XEmbed tray: the icon's context menu opens, then
    // the press is told.
    void RightPress()
    {
        program_->trayMenu().menu().popup(QPoint(0, 0));
        emit program_->tray().icon()->activated(QSystemTrayIcon::Context);
    }

    // Chooses the entry that reads `text` in the control box's context menu;
    // a window it opens is closed again. That window's id, or nothing.
    QString ChooseFromBoxMenu(const QString& text)
    {
        QString opened;
        QTimer closer;
        closer.setSingleShot(true);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->objectName();
                modal->close();
            }
        });
        InBoxMenu([&](QMenu& menu) {
            closer.start(0);
            for (QAction* action : menu.actions()) {
                if (action->text() == text) {
                    action->trigger();
                }
            }
        });
        return opened;
    }

    // The mouse reports a state by itself; the watcher brings it in.
    bool MouseReports(std::vector<uint8_t> report)
    {
        const auto before = state();
        mouse_->SendUnsolicited(std::move(report));
        return RunUntil([&] {
            return state().mode != before.mode || state().resolution != before.resolution ||
                   state().reportInterval != before.reportInterval || state().autoClickOn != before.autoClickOn ||
                   state().siteModeOn != before.siteModeOn;
        });
    }
};

TEST_F(ControlBoxTest, StartsHiddenAndShowsTheMousesState)
{
    Start(0);
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 FF CA 00 00 00 00 00"}));
    EXPECT_EQ(ResolutionLabel(), "1600");
    EXPECT_EQ(IntervalLabel(), "2 msec");
    EXPECT_EQ(box().resolutionSlider()->value(), 3);
    EXPECT_EQ(box().intervalSlider()->value(), 1);
    EXPECT_EQ(box().profileCombo()->currentIndex(), 0);
    // Button mode: its own button is the disabled one, with the filled dot.
    EXPECT_FALSE(box().button(kButtonModeButton)->isEnabled());
    EXPECT_EQ(box().button(kButtonModeButton)->normalSkin(), kSkinNormalOn);
    EXPECT_TRUE(box().button(kFunctionModeButton)->isEnabled());
    EXPECT_FALSE(box().autoClickCheck()->isEnabled());
    EXPECT_FALSE(box().siteModeCheck()->isEnabled());
    EXPECT_FALSE(box().button(kSequenceButton)->isEnabled());
}

TEST_F(ControlBoxTest, TheBoxHandleIsSavedOnlyOnceTheProgramHasSettled)
{
    Start();
    // Its save waits for the disk: the start does not.
    EXPECT_EQ(ReadUserDword(kUserKey, kWindowHandleName), 0u);
    const auto handle = static_cast<uint32_t>(box().winId());
    EXPECT_TRUE(RunUntil([&] { return ReadUserDword(kUserKey, kWindowHandleName) == handle; }, 3000));
}

TEST_F(ControlBoxTest, TooltipNamesTheModel)
{
    for (const auto& [model, name] : std::vector<std::pair<int, QString>>{
             {2, "T32"}, {3, "QMB-4200plus"}, {4, "QMB-4200P+"}, {1, "T31"}, {5, "T31"}, {0, "T31"}}) {
        Start(model);
        ASSERT_NE(program_->tray().icon(), nullptr);
        EXPECT_EQ(program_->tray().icon()->toolTip(), name) << model;
        TearDown();
    }
}

TEST_F(ControlBoxTest, RepeatedReportChangesNoControl)
{
    Start(0);
    ASSERT_TRUE(MouseReports({4, 0xCA, 2, 2, 0, 0, 0x01, 0}));
    ASSERT_EQ(ResolutionLabel(), "800");
    box().resolutionLabel()->setText("mine");
    box().siteModeCheck()->setEnabled(false);

    mouse_->SendUnsolicited({4, 0xCA, 2, 2, 0, 0, 0x01, 0});
    Run(700);
    EXPECT_EQ(ResolutionLabel(), "mine");
    EXPECT_FALSE(box().siteModeCheck()->isEnabled());
}

TEST_F(ControlBoxTest, ReportChangingOnlyTheTargetChangesNoControl)
{
    Start(0);
    box().intervalLabel()->setText("mine");
    Wire();
    // Same state as the mouse's, another auto-click target.
    state().autoClickTarget = 4;
    state().mode = 1;
    state().resolution = 3;
    state().reportInterval = 1;
    ASSERT_TRUE(session_->keeper.Take(session_->commands.WriteStatus(StatusOf(state()))).ok());
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 03 01 00 04 00"}));
    EXPECT_EQ(IntervalLabel(), "mine");
}

TEST_F(ControlBoxTest, AutoClickOnDisablesTheSequenceButtonAndOffLeavesIt)
{
    Start(0);
    ASSERT_TRUE(MouseReports({4, 0xCA, 2, 3, 1, 0, 0x01, 0}));
    EXPECT_TRUE(box().autoClickCheck()->isEnabled());
    EXPECT_TRUE(box().button(kSequenceButton)->isEnabled());

    ASSERT_TRUE(MouseReports({4, 0xCA, 2, 3, 1, 0, 0x81, 0}));
    EXPECT_TRUE(box().autoClickCheck()->isChecked());
    EXPECT_FALSE(box().button(kSequenceButton)->isEnabled());

    ASSERT_TRUE(MouseReports({4, 0xCA, 2, 3, 1, 0, 0x01, 0}));
    EXPECT_FALSE(box().autoClickCheck()->isChecked());
    EXPECT_FALSE(box().button(kSequenceButton)->isEnabled());
}

TEST_F(ControlBoxTest, LabelsAndProfileFollowTheModel)
{
    Start(2);
    ASSERT_TRUE(MouseReports({4, 0xCA, 1, 1, 3, 0, 0x01, 0}));
    EXPECT_EQ(ResolutionLabel(), "400");
    EXPECT_EQ(IntervalLabel(), "4 msec");
    EXPECT_EQ(box().profileCombo()->currentIndex(), 0);
    TearDown();

    // The fourth profile exists in the Korean list only.
    Start(1, Language::Korean);
    box().profileCombo()->setCurrentIndex(2);
    ASSERT_TRUE(MouseReports({4, 0xCA, 1, 3, 3, 0, 0x01, 0}));
    EXPECT_EQ(ResolutionLabel(), "375");
    EXPECT_EQ(box().profileCombo()->currentIndex(), 2);
    ASSERT_TRUE(MouseReports({4, 0xCA, 1, 11, 1, 0, 0x01, 0}));
    EXPECT_EQ(ResolutionLabel(), "1375");
    EXPECT_EQ(box().profileCombo()->currentIndex(), 3);
}

TEST_F(ControlBoxTest, IntervalOutOfRangeKeepsItsLabel)
{
    Start(0);
    ASSERT_TRUE(MouseReports({4, 0xCA, 1, 3, 9, 0, 0x01, 0}));
    EXPECT_EQ(IntervalLabel(), "2 msec");
    EXPECT_EQ(box().intervalSlider()->value(), 7);
}

TEST_F(ControlBoxTest, TrayPressFollowsShowAndAlwaysOpensTheMenu)
{
    Start(0);
    box().show();
    WriteUserDword(kUserKey, kShowName, 0);
    LeftPress();
    EXPECT_FALSE(box().isVisible());
    EXPECT_TRUE(program_->trayMenu().menu().isVisible());
    EXPECT_EQ(program_->trayMenu().variant(), 150);
    program_->trayMenu().menu().hide();

    // A left press shows only for exactly 1, a right press for any non-zero.
    WriteUserDword(kUserKey, kShowName, 2);
    LeftPress();
    EXPECT_FALSE(box().isVisible());
    program_->trayMenu().menu().hide();
    RightPress();
    EXPECT_TRUE(box().isVisible());
}

TEST_F(ControlBoxTest, RightPressChoosesTheMenuFromShowReadAtThePress)
{
    // The first press after a start with "Show" 1: the tray opens the menu
    // before it tells of the press, and the menu must already say shown.
    WriteUserDword(kUserKey, kShowName, 1);
    Start(0);
    RightPress();
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(program_->trayMenu().variant(), 152);
    EXPECT_TRUE(program_->trayMenu().menu().actions().at(2)->isChecked());
    program_->trayMenu().menu().hide();

    WriteUserDword(kUserKey, kShowName, 0);
    RightPress();
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(program_->trayMenu().variant(), 150);
}

TEST_F(ControlBoxTest, LeftPressWithoutThePointerPositionShowsTheControlBox)
{
    // As on Wayland, where a menu has no place to open at.
    mouse_ = std::make_unique<EmulatedPlatform>(0);
    session_ = std::make_unique<DeviceSession>(*mouse_, 0);
    program_ = std::make_unique<TrayProgram>(*session_, Language::English, [] { return true; }, [] { return false; });
    program_->Start();
    ASSERT_NE(program_->tray().icon(), nullptr);
    ASSERT_FALSE(box().isVisible());
    LeftPress();
    EXPECT_TRUE(box().isVisible());
    EXPECT_FALSE(program_->trayMenu().menu().isVisible());
}

TEST_F(ControlBoxTest, TrayFoundLaterTakesTheControlBoxUnlessViewControlBoxWasChosen)
{
    bool trayUp = false;
    mouse_ = std::make_unique<EmulatedPlatform>(0);
    session_ = std::make_unique<DeviceSession>(*mouse_, 0);
    // Without a tray the control box shows at start.
    const auto startWithoutTray = [&] {
        trayUp = false;
        program_ = std::make_unique<TrayProgram>(*session_, Language::English, [&] { return trayUp; });
        program_->Start();
        return box().isVisible();
    };
    // As the desktop's news of a tray would.
    const auto trayComes = [&] {
        trayUp = true;
        program_->tray().CheckForTray();
        return program_->tray().icon() != nullptr;
    };

    ASSERT_TRUE(startWithoutTray());
    ASSERT_TRUE(trayComes());
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(program_->tray().icon()->contextMenu(), &program_->trayMenu().menu());

    ASSERT_TRUE(startWithoutTray());
    program_->trayMenu().viewControlBoxAction()->trigger();
    ASSERT_TRUE(trayComes());
    EXPECT_TRUE(box().isVisible());
}

TEST_F(ControlBoxTest, WithoutATrayTheBoxMenuDoesWhatTheTrayMenuDoes)
{
    mouse_ = std::make_unique<EmulatedPlatform>(0);
    session_ = std::make_unique<DeviceSession>(*mouse_, 0);
    program_ = std::make_unique<TrayProgram>(*session_, Language::English, [] { return false; });
    program_->Start();
    EXPECT_EQ(ChooseFromBoxMenu("&About QMBPro..."), "100");
    for (const auto& [entry, flag] : std::vector<std::pair<QString, std::string_view>>{
             {"Topmost", kTopMostName}, {"View Control Box", kShowName}}) {
        EXPECT_TRUE(ChooseFromBoxMenu(entry).isEmpty());
        EXPECT_EQ(ReadUserDword(kUserKey, flag), 1u) << entry.toStdString();
    }
    EXPECT_TRUE(box().isVisible());
}

TEST_F(ControlBoxTest, StoredFlagsChooseTheVariantAndTheEntriesStayTheSame)
{
    struct Row {
        uint32_t show;
        uint32_t topmost;
        int variant;
    };
    for (const Row& row : {Row{0, 1, 148}, Row{0, 0, 150}, Row{1, 1, 151}, Row{1, 0, 152}}) {
        WriteUserDword(kUserKey, kShowName, row.show);
        WriteUserDword(kUserKey, kTopMostName, row.topmost);
        Start(0);
        EXPECT_EQ(static_cast<bool>(box().windowFlags() & Qt::WindowStaysOnTopHint), row.topmost == 1);
        const auto entries = program_->trayMenu().menu().actions();
        RightPress();
        EXPECT_EQ(program_->trayMenu().variant(), row.variant);
        EXPECT_EQ(program_->trayMenu().topmostAction()->isChecked(), row.topmost == 1) << row.variant;
        EXPECT_EQ(program_->trayMenu().viewControlBoxAction()->isChecked(), row.show == 1) << row.variant;
        EXPECT_EQ(box().isVisible(), row.show == 1) << row.variant;
        EXPECT_EQ(program_->trayMenu().menu().actions(), entries);
        program_->trayMenu().menu().hide();
        TearDown();
    }
}

TEST_F(ControlBoxTest, EnterAndEscapeDoNothing)
{
    Start(0);
    program_->visibility().ShowControlBox();
    Wire();
    QTest::keyClick(&box(), Qt::Key_Escape);
    QTest::keyClick(&box(), Qt::Key_Return);
    QTest::keyClick(&box(), Qt::Key_Enter);
    EXPECT_TRUE(box().isVisible());
    EXPECT_TRUE(Wire().empty());
}

TEST_F(ControlBoxTest, AnyUsbArrivalQueriesTheMouseAndRefreshes)
{
    Start(0);
    Wire();
    box().resolutionLabel()->setText("stale");
    mouse_->Unplug();
    mouse_->PlugIn();
    ASSERT_TRUE(RunUntil([&] { return ResolutionLabel() == "1600"; }));
    const auto wire = Wire();
    EXPECT_NE(std::find(wire.begin(), wire.end(), "04 FF CA 00 00 00 00 00"), wire.end());
    EXPECT_EQ(program_->device().watcher()->StartWatcher(), 0);
}

TEST_F(ControlBoxTest, UsbArrivalWhileTheMouseStaysQueriesItAndRefreshes)
{
    Start(0);
    Wire();
    box().resolutionLabel()->setText("stale");
    box().button(kFunctionModeButton)->setEnabled(false);
    program_->device().OnDeviceNotice(DeviceNotice::Arrival);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 FF CA 00 00 00 00 00"}));
    EXPECT_EQ(ResolutionLabel(), "1600");
    EXPECT_TRUE(box().button(kFunctionModeButton)->isEnabled());
    EXPECT_EQ(program_->device().watcher()->StartWatcher(), 0);
}

TEST_F(ControlBoxTest, RemovalOfTheMousePausesTheWatcherUntilAnArrival)
{
    Start(0);
    mouse_->Unplug();
    Run(100);
    EXPECT_EQ(program_->device().watcher()->StopWatcher(), 0);
    mouse_->PlugIn();
    Run(100);
    EXPECT_EQ(program_->device().watcher()->StopWatcher(), 1);
}

TEST_F(ControlBoxTest, RemovalOfAnotherDeviceKeepsWatching)
{
    Start(0);
    program_->device().OnDeviceNotice(DeviceNotice::Removal);
    EXPECT_EQ(program_->device().watcher()->StartWatcher(), 0);
}

TEST_F(ControlBoxTest, TopmostTogglesAndIsRemembered)
{
    Start(0);
    program_->trayMenu().topmostAction()->trigger();
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 1u);
    EXPECT_TRUE(box().windowFlags() & Qt::WindowStaysOnTopHint);
    LeftPress();
    EXPECT_EQ(program_->trayMenu().variant(), 148);
    EXPECT_TRUE(program_->trayMenu().menu().actions().at(1)->isChecked());
    program_->trayMenu().menu().hide();

    program_->trayMenu().topmostAction()->trigger();
    EXPECT_EQ(ReadUserDword(kUserKey, kTopMostName), 0u);
    EXPECT_FALSE(box().windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(ControlBoxTest, ViewControlBoxShowsAndTheNextPressKeepsItShown)
{
    Start(0);
    program_->trayMenu().viewControlBoxAction()->trigger();
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(ReadUserDword(kUserKey, kShowName), 1u);
    LeftPress();
    EXPECT_TRUE(box().isVisible());
    EXPECT_EQ(program_->trayMenu().variant(), 152);
    EXPECT_TRUE(program_->trayMenu().menu().actions().at(2)->isChecked());
    program_->trayMenu().menu().hide();

    // The close mark hides the window but keeps the flag.
    QTest::mouseClick(box().button(kExitButton), Qt::LeftButton);
    EXPECT_FALSE(box().isVisible());
    EXPECT_EQ(program_->visibility().showFlag(), 1);
}

TEST_F(ControlBoxTest, ProfilesOfTheSiteTitles)
{
    StoreSiteTitle(0, "mail");
    StoreSiteTitle(4, "bank");
    Start(0);
    EXPECT_EQ(box().siteCombo()->count(), 31);
    EXPECT_EQ(box().siteCombo()->itemText(4), "bank");

    // No snapshot yet: the list empties and the titles stay stored.
    program_->trayMenu().readProfileAction()->trigger();
    EXPECT_EQ(box().siteCombo()->count(), 0);
    EXPECT_EQ(LoadSiteTitles()->at(4), "bank");

    program_->trayMenu().saveProfileAction()->trigger();
    StoreSiteTitle(4, "shop");
    program_->trayMenu().readProfileAction()->trigger();
    EXPECT_EQ(box().siteCombo()->count(), 31);
    EXPECT_EQ(box().siteCombo()->itemText(4), "bank");
    EXPECT_EQ(box().siteCombo()->currentIndex(), -1);
    EXPECT_EQ(LoadSiteTitles()->at(4), "bank");
}

TEST_F(ControlBoxTest, MouseAbsentAtStartShowsZeros)
{
    StoreSiteTitle(2, "news");
    Start(0, Language::English, false);
    EXPECT_TRUE(Wire().empty());
    EXPECT_EQ(state().mode, 0);
    EXPECT_EQ(ResolutionLabel(), "");
    EXPECT_EQ(IntervalLabel(), "1 msec");
    EXPECT_FALSE(box().autoClickCheck()->isChecked());
    EXPECT_EQ(box().siteCombo()->count(), 31);

    // The watcher finds it later.
    mouse_->PlugIn();
    ASSERT_TRUE(RunUntil([&] { return ResolutionLabel() == "1600"; }));
}

TEST_F(ControlBoxTest, ExitOrClosingTheWindowStopsTheWatcherAndAsksToEnd)
{
    for (const auto& [way, end] : std::vector<std::pair<const char*, std::function<void(TrayProgram&)>>>{
             {"Exit", [](TrayProgram& program) { program.trayMenu().exitAction()->trigger(); }},
             {"window closed", [](TrayProgram& program) { program.box().close(); }}}) {
        Start(0);
        bool ended = false;
        QObject::connect(program_.get(), &TrayProgram::exitRequested, [&] { ended = true; });
        end(*program_);
        EXPECT_TRUE(ended) << way;
        EXPECT_EQ(program_->device().watcher()->StopWatcher(), 0) << way;
        EXPECT_FALSE(program_->tray().icon()->isVisible()) << way;
        TearDown();
    }
}

}  // namespace
}  // namespace qmb::test
