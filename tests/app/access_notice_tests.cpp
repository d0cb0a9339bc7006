// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include "tests/app/control_box_fixture.h"

namespace qmb::test {
namespace {

// The demo mouse, unplugged, while the system shows a node of it that this
// user may not open.
class LockedAwayMouse : public EmulatedPlatform {
public:
    LockedAwayMouse() : EmulatedPlatform(0) { Unplug(); }
    std::vector<std::string> InaccessibleNodes(const DeviceIdentity&) const override { return lockedOut; }
    std::vector<std::string> lockedOut{"/dev/hidraw5"};
};

class AccessNoticeTest : public ControlBoxFixture {
protected:
    void StartLockedAway()
    {
        auto mouse = std::make_unique<LockedAwayMouse>();
        locked_ = mouse.get();
        mouse_ = std::move(mouse);
        session_ = std::make_unique<DeviceSession>(*mouse_, 0);
        program_ = std::make_unique<TrayProgram>(*session_, Language::English, [] { return true; });
        program_->Start();
    }

    int OpenExplanations()
    {
        int open = 0;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            open += widget->objectName() == "accessHelp" && widget->isVisible();
        }
        return open;
    }

    LockedAwayMouse* locked_ = nullptr;
};

TEST_F(AccessNoticeTest, AMouseThatCannotBeOpenedIsExplainedOnceWithTheCommands)
{
    StartLockedAway();
    const QMessageBox* box = program_->device().accessNotice().box();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isVisible());
    EXPECT_TRUE(box->informativeText().contains("/dev/hidraw5 is the mouse")) << box->informativeText().toStdString();
    EXPECT_TRUE(box->informativeText().contains("sudo udevadm trigger --action=change --subsystem-match=hidraw"));

    // Later arrivals and passes find it locked still, and say nothing new.
    program_->device().OnDeviceNotice(DeviceNotice::Arrival);
    program_->device().OnDeviceNotice(DeviceNotice::Arrival);
    Run(100);
    EXPECT_EQ(OpenExplanations(), 1);
}

TEST_F(AccessNoticeTest, AMouseThatIsSimplyAbsentIsNotExplained)
{
    StartLockedAway();
    program_.reset();
    locked_->lockedOut.clear();
    session_ = std::make_unique<DeviceSession>(*mouse_, 0);
    program_ = std::make_unique<TrayProgram>(*session_, Language::English, [] { return true; });
    program_->Start();
    EXPECT_EQ(program_->device().accessNotice().box(), nullptr);
}

}  // namespace
}  // namespace qmb::test
