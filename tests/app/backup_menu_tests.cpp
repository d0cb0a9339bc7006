// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// The tray menu's backup and restore of the mouse, chosen as a user would.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

#include "actions/button_actions.h"
#include "actions/status_actions.h"
#include "tests/app/control_box_fixture.h"
#include "tests/support/notice_on_screen.h"

namespace qmb {
namespace {

class BackupMenuTest : public test::ControlBoxFixture {
protected:
    void TearDown() override
    {
        test::HideNotices();
        test::ControlBoxFixture::TearDown();
    }

    // Answers the question a restore asks.
    static void Answer(QMessageBox::StandardButton answer)
    {
        QTimer::singleShot(0, [answer] {
            if (auto* ask = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ask->button(answer)->click();
            }
        });
    }
};

TEST_F(BackupMenuTest, ABackupFromTheMenuIsRestoredFromItAfterAQuestion)
{
    Start(0);
    backupFile_ = config_.filePath("mouse.json");
    ChangeStatus(*session_, {.resolution = 1});
    program_->trayMenu().backUpAction()->trigger();
    EXPECT_EQ(test::NoticeOnScreen(), "Backed up.");
    ASSERT_TRUE(QFile::exists(backupFile_));

    SaveButtonMap(*session_, {2, 1, 4, 8, 16});
    ChangeStatus(*session_, {.resolution = 3});
    Answer(QMessageBox::No);
    program_->trayMenu().restoreAction()->trigger();
    EXPECT_EQ(state().resolution, 3);

    Wire();
    Answer(QMessageBox::Yes);
    program_->trayMenu().restoreAction()->trigger();
    EXPECT_EQ(test::NoticeOnScreen(), "Restored.");
    EXPECT_EQ(state().resolution, 1);
    mouse_->InspectMouse([](const emu::VirtualMouse& mouse) {
        EXPECT_EQ(mouse.buttonMap(), (std::array<uint8_t, 5>{1, 2, 4, 8, 16}));
    });
    EXPECT_EQ(program_->device().watcher()->StartWatcher(), 0);
}

TEST_F(BackupMenuTest, AFileThatIsNoBackupSendsNothing)
{
    Start(0);
    backupFile_ = config_.filePath("notes.json");
    QFile notes(backupFile_);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("{\"format\": \"notes\"}");
    notes.close();
    Wire();
    program_->trayMenu().restoreAction()->trigger();
    EXPECT_EQ(test::NoticeOnScreen(), "This backup cannot be used.");
    EXPECT_TRUE(Wire().empty());
}

}  // namespace
}  // namespace qmb
