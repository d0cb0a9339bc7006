// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QDesktopServices>
#include <QTimer>
#include <QTest>

#include "ui/controls/invisible_button.h"
#include "tests/app/control_box_fixture.h"

namespace qmb::test {
namespace {

class PanelActionsTest : public ControlBoxFixture {
protected:
    void StartInFunctionMode(int model = 0)
    {
        Start(model);
        QTest::mouseClick(box().button(kFunctionModeButton), Qt::LeftButton);
        Wire();
    }

    QPoint ThumbPoint(SkinSlider* slider, int value)
    {
        return {slider->ThumbCentre(value), slider->height() / 2};
    }
};

TEST_F(PanelActionsTest, ModeButtonsSwitchTheMouse)
{
    Start(0);
    Wire();
    QTest::mouseClick(box().button(kFunctionModeButton), Qt::LeftButton);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 02 03 01 00 01 00"}));
    EXPECT_EQ(state().mode, 2);
    EXPECT_FALSE(box().button(kFunctionModeButton)->isEnabled());
    EXPECT_TRUE(box().button(kButtonModeButton)->isEnabled());
    EXPECT_TRUE(box().autoClickCheck()->isEnabled());
    EXPECT_TRUE(box().siteModeCheck()->isEnabled());
    EXPECT_TRUE(box().button(kSequenceButton)->isEnabled());

    QTest::mouseClick(box().button(kButtonModeButton), Qt::LeftButton);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 03 01 00 01 00"}));
    EXPECT_EQ(state().mode, 1);
    EXPECT_FALSE(box().autoClickCheck()->isEnabled());
    EXPECT_FALSE(box().siteModeCheck()->isEnabled());
}

TEST_F(PanelActionsTest, ButtonModeWithTheMouseAbsentKeepsTheChoiceQuietly)
{
    StartInFunctionMode();
    mouse_->Unplug();
    Run(50);
    box().resolutionLabel()->setText("mine");
    QTest::mouseClick(box().button(kButtonModeButton), Qt::LeftButton);
    EXPECT_EQ(state().mode, 1);
    EXPECT_FALSE(box().siteModeCheck()->isEnabled());
    EXPECT_TRUE(Wire().empty());
    EXPECT_EQ(ResolutionLabel(), "mine");
}

TEST_F(PanelActionsTest, ProfileEntriesSetBothValues)
{
    Start(1);
    Wire();
    QTest::mouseClick(box().button(kFunctionModeButton), Qt::LeftButton);
    Wire();
    box().profileCombo()->setCurrentIndex(3);
    emit box().profileCombo()->activated(3);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 02 0B 01 00 01 00"}));
    EXPECT_EQ(ResolutionLabel(), "1375");
    EXPECT_EQ(IntervalLabel(), "2 msec");
    EXPECT_EQ(box().resolutionSlider()->value(), 11);
    EXPECT_EQ(box().intervalSlider()->value(), 1);
}

TEST_F(PanelActionsTest, LastProfileOfTheThreeStepMouseActsAsTheOneBefore)
{
    Start(0, Language::Korean);
    Wire();
    ASSERT_EQ(box().profileCombo()->count(), 4);
    emit box().profileCombo()->activated(3);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 01 00 00 01 00"}));
    EXPECT_EQ(ResolutionLabel(), "400");
    EXPECT_EQ(IntervalLabel(), "1 msec");
}

TEST_F(PanelActionsTest, NoProfileChosenStillSendsTheState)
{
    Start(0);
    Wire();
    box().resolutionLabel()->setText("mine");
    emit box().profileCombo()->activated(-1);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 03 01 00 01 00"}));
    EXPECT_EQ(ResolutionLabel(), "mine");
}

TEST_F(PanelActionsTest, DraggingTheResolutionSliderSendsEveryStep)
{
    Start(1, Language::Korean);
    program_->visibility().ShowControlBox();
    Wire();
    SkinSlider* slider = box().resolutionSlider();
    ASSERT_EQ(slider->value(), 3);
    std::vector<QString> labels;
    QObject::connect(slider, &SkinSlider::scrolled, [&] { labels.push_back(ResolutionLabel()); });

    // Grab the thumb, pull it to the left end, then all the way right.
    QTest::mousePress(slider, Qt::LeftButton, {}, ThumbPoint(slider, 3));
    EXPECT_TRUE(Wire().empty());
    QTest::mouseMove(slider, ThumbPoint(slider, 2));
    QTest::mouseMove(slider, ThumbPoint(slider, 1));
    for (int value = 2; value <= 11; ++value) {
        QTest::mouseMove(slider, ThumbPoint(slider, value));
    }
    QTest::mouseRelease(slider, Qt::LeftButton, {}, ThumbPoint(slider, 11));

    const auto wire = Wire();
    ASSERT_EQ(wire.size(), labels.size());
    // Down to 1, up through 2 .. 11, and the release once more.
    ASSERT_EQ(wire.size(), 13u);
    EXPECT_EQ(wire[0], "04 CA 01 02 01 00 01 00");
    EXPECT_EQ(wire[1], "04 CA 01 01 01 00 01 00");
    EXPECT_EQ(wire[2], "04 CA 01 02 01 00 01 00");
    EXPECT_EQ(wire[11], "04 CA 01 0B 01 00 01 00");
    EXPECT_EQ(wire.back(), "04 CA 01 0B 01 00 01 00");
    EXPECT_EQ(labels[1], "125");
    EXPECT_EQ(labels[2], "250");
    EXPECT_EQ(labels.back(), "1375");
    EXPECT_EQ(box().profileCombo()->currentIndex(), 3);
}

TEST_F(PanelActionsTest, PressInTheChannelPagesOneStepPerPressAndRepeatsWhileHeld)
{
    Start(1);
    program_->visibility().ShowControlBox();
    Wire();
    SkinSlider* slider = box().resolutionSlider();
    ASSERT_EQ(slider->value(), 3);

    // A click right of the thumb: one step toward it, and the release ends
    // the track with the same state once more.
    QTest::mouseClick(slider, Qt::LeftButton, {}, ThumbPoint(slider, 9));
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 04 01 00 01 00", "04 CA 01 04 01 00 01 00"}));
    EXPECT_EQ(slider->value(), 4);
    EXPECT_EQ(ResolutionLabel(), "500");
    QTest::mouseClick(slider, Qt::LeftButton, {}, ThumbPoint(slider, 1));
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 03 01 00 01 00", "04 CA 01 03 01 00 01 00"}));

    // Held, it steps on until the thumb is under the pointer, and stays.
    QTest::mousePress(slider, Qt::LeftButton, {}, ThumbPoint(slider, 7));
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 04 01 00 01 00"}));
    ASSERT_TRUE(RunUntil([&] { return slider->value() == 7; }));
    Run(300);
    EXPECT_EQ(slider->value(), 7);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, ThumbPoint(slider, 7));
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 05 01 00 01 00", "04 CA 01 06 01 00 01 00",
                                                "04 CA 01 07 01 00 01 00", "04 CA 01 07 01 00 01 00"}));
    EXPECT_EQ(ResolutionLabel(), "875");
}

TEST_F(PanelActionsTest, MovingTheIntervalAloneAlsoSendsTheResolution)
{
    Start(0);
    program_->visibility().ShowControlBox();
    Wire();
    SkinSlider* slider = box().intervalSlider();
    slider->setFocus();
    QTest::keyPress(slider, Qt::Key_Right);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 03 02 00 01 00"}));
    EXPECT_EQ(IntervalLabel(), "3 msec");
    // Letting the key go ends the track: the same state once more.
    QTest::keyRelease(slider, Qt::Key_Right);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 01 03 02 00 01 00"}));
}

TEST_F(PanelActionsTest, AutoClickSwitchesBitSevenAndTheSequenceButton)
{
    StartInFunctionMode();
    QTest::mouseClick(box().autoClickCheck(), Qt::LeftButton);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 02 03 01 00 81 00"}));
    EXPECT_FALSE(box().button(kSequenceButton)->isEnabled());
    QTest::mouseClick(box().autoClickCheck(), Qt::LeftButton);
    EXPECT_EQ(Wire(), (std::vector<std::string>{"04 CA 02 03 01 00 01 00"}));
    EXPECT_TRUE(box().button(kSequenceButton)->isEnabled());
}

TEST_F(PanelActionsTest, UntickingWebSiteModeClearsBitSixOnly)
{
    StartInFunctionMode();
    state().siteModeOn = 1;
    state().autoClickOn = 1;
    box().siteModeCheck()->setChecked(true);
    QTest::mouseClick(box().siteModeCheck(), Qt::LeftButton);
    const auto wire = Wire();
    ASSERT_FALSE(wire.empty());
    EXPECT_EQ(wire.front(), "04 CA 02 03 01 00 81 00");
    EXPECT_FALSE(box().siteModeCheck()->isChecked());
}

TEST_F(PanelActionsTest, RefreshWithoutAModeLeavesTheModeButtons)
{
    Start(0, Language::English, false);
    box().button(kButtonModeButton)->setEnabled(false);
    box().button(kFunctionModeButton)->setEnabled(true);
    program_->panel().RefreshPanel();
    EXPECT_FALSE(box().button(kButtonModeButton)->isEnabled());
    EXPECT_TRUE(box().button(kFunctionModeButton)->isEnabled());
    EXPECT_EQ(state().mode, 0);
}

TEST_F(PanelActionsTest, ConfigOpensButtonEditingWithTheWatcherPausedAndShowsTheModeAfter)
{
    // Nothing read from the mouse yet: mode 0, which closing makes function
    // mode.
    Start(0, Language::English, false);
    program_->visibility().ShowControlBox();
    int pausedWhileOpen = -1;
    QString opened;
    QTimer::singleShot(0, [&] {
        QWidget* editing = QApplication::activeModalWidget();
        ASSERT_NE(editing, nullptr);
        opened = editing->objectName();
        pausedWhileOpen = program_->device().watcher()->StopWatcher() == 0;
        editing->close();
    });
    QTest::mouseClick(box().button(kConfigButton), Qt::LeftButton);
    EXPECT_EQ(opened, "146");
    EXPECT_EQ(pausedWhileOpen, 1);
    EXPECT_EQ(program_->device().watcher()->StartWatcher(), 0);
    EXPECT_EQ(state().mode, 2);
    EXPECT_FALSE(box().button(kFunctionModeButton)->isEnabled());
    EXPECT_TRUE(box().button(kButtonModeButton)->isEnabled());
}

TEST_F(PanelActionsTest, SequenceOpensWithTheWatcherPausedAndChangesNothingElse)
{
    StartInFunctionMode();
    program_->visibility().ShowControlBox();
    box().resolutionLabel()->setText("mine");
    int pausedWhileOpen = -1;
    QString opened;
    QTimer::singleShot(0, [&] {
        QWidget* sequence = QApplication::activeModalWidget();
        ASSERT_NE(sequence, nullptr);
        opened = sequence->objectName();
        pausedWhileOpen = program_->device().watcher()->StopWatcher() == 0;
        sequence->close();
    });
    QTest::mouseClick(box().button(kSequenceButton), Qt::LeftButton);
    EXPECT_EQ(opened, "144");
    EXPECT_EQ(pausedWhileOpen, 1);
    EXPECT_EQ(program_->device().watcher()->StartWatcher(), 0);
    EXPECT_EQ(ResolutionLabel(), "mine");
}

class HelpOpener : public QObject {
    Q_OBJECT
public:
    QUrl opened;
public slots:
    void Open(const QUrl& url) { opened = url; }
};

TEST_F(PanelActionsTest, HelpOpensTheBundledManualWhenNoHelpFileIsThere)
{
    Start(0);
    HelpOpener opener;
    QDesktopServices::setUrlHandler("file", &opener, "Open");
    QTest::mouseClick(box().helpButton(), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_TRUE(opener.opened.isLocalFile());
    QFile manual(opener.opened.toLocalFile());
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    EXPECT_TRUE(manual.readAll().contains("QMBPro"));
}

}  // namespace
}  // namespace qmb::test

#include "panel_actions_tests.moc"
