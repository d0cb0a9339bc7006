// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// From a slider move to the report handed to the demo mouse, and the whole
// handler (report, the mouse's immediate answer, the panel refreshed).
//
//   panel_bench [moves]   (default 200; offscreen)

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/tray_program.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "ui/controls/skin_slider.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int moves = argc > 1 ? std::atoi(argv[1]) : 200;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    qmb::EmulatedPlatform mouse(1);
    qmb::DeviceSession session(mouse, 1);
    qmb::TrayProgram program(session, qmb::Language::English, [] { return true; });
    program.Start();
    program.visibility().ShowControlBox();
    qmb::SkinSlider* slider = program.box().resolutionSlider();

    Clock::time_point pressed;
    std::vector<double> toReport;
    std::vector<double> wholeHandler;
    mouse.SetSendObserver([&] {
        toReport.push_back(std::chrono::duration<double, std::micro>(Clock::now() - pressed).count());
    });
    for (int i = 0; i < moves; ++i) {
        const auto key = slider->value() == slider->maximum() ? Qt::Key_Home : Qt::Key_Right;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        pressed = Clock::now();
        QApplication::sendEvent(slider, &press);
        wholeHandler.push_back(std::chrono::duration<double, std::micro>(Clock::now() - pressed).count());
        QApplication::processEvents();
    }
    std::printf("slider move to report handed to the mouse: median %.0f us, worst %.0f us (%zu moves)\n",
                Median(toReport), *std::max_element(toReport.begin(), toReport.end()), toReport.size());
    std::printf("whole slider handler:                       median %.0f us, worst %.0f us\n", Median(wholeHandler),
                *std::max_element(wholeHandler.begin(), wholeHandler.end()));
}
