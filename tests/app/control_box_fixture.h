// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/tray_program.h"
#include "device/report_trace.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "ui/controls/skin_bitmap_button.h"
#include "ui/controls/skin_slider.h"
#include "ui/controls/transparent_static.h"

namespace qmb::test {

// A control box on the demo mouse, with its own settings directory; the
// bytes the program sends are read off the demo mouse's wire.
class ControlBoxFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.filePath("home")));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(config_.filePath("machine")));
    }

    // The file the backup menu's file dialog answers with.
    QString backupFile_;

    void TearDown() override
    {
        program_.reset();
        session_.reset();
        mouse_.reset();
    }

    // The program as it starts, before the first event.
    void Start(int model = 0, Language language = Language::English, bool mousePresent = true)
    {
        mouse_ = std::make_unique<EmulatedPlatform>(model);
        mouse_->RecordSentReports();
        if (!mousePresent) {
            mouse_->Unplug();
        }
        session_ = std::make_unique<DeviceSession>(*mouse_, model);
        program_ = std::make_unique<TrayProgram>(
            *session_, language, [] { return true; }, PointerPositionKnown,
            [this](QWidget*, bool) { return backupFile_; });
        program_->Start();
    }

    void Run(int milliseconds)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < milliseconds) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }

    template <typename Condition>
    bool RunUntil(Condition condition, int milliseconds = 2000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!condition()) {
            if (timer.elapsed() > milliseconds) {
                return false;
            }
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return true;
    }

    // The output reports the program sent since the last look, as hex.
    std::vector<std::string> Wire()
    {
        std::vector<std::string> lines;
        for (const auto& report : mouse_->TakeSentReports()) {
            lines.push_back(FormatReport(report));
        }
        return lines;
    }

    // Opens the control box's context menu, hands it to `inside` and closes it.
    void InBoxMenu(const std::function<void(QMenu&)>& inside)
    {
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* menu = qobject_cast<QMenu*>(widget); menu && menu->isVisible() && !menu->parent()) {
                    poll.stop();
                    inside(*menu);
                    menu->close();
                }
            }
        });
        poll.start();
        emit box().customContextMenuRequested(QPoint(10, 10));
    }

    ControlBox& box() { return program_->box(); }
    DeviceState& state() { return session_->state; }
    QString ResolutionLabel() { return box().resolutionLabel()->text(); }
    QString IntervalLabel() { return box().intervalLabel()->text(); }

    QTemporaryDir config_;
    std::unique_ptr<EmulatedPlatform> mouse_;
    std::unique_ptr<DeviceSession> session_;
    std::unique_ptr<TrayProgram> program_;
};

}  // namespace qmb::test
