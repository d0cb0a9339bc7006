// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// From a click on a dialog's button to the first report handed to the demo
// mouse, and the whole click (every report and its reply): the button
// editing dialog's upper "Save" and the sequence dialog's "Apply".
//
//   dialog_bench [clicks]   (default 200; offscreen)

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/button_edit_dialog.h"
#include "ui/dialogs/button_edit_layout.h"
#include "ui/dialogs/sequence_dialog.h"
#include "ui/dialogs/sequence_layout.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double Microseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

void Measure(const char* what, qmb::EmulatedPlatform& mouse, QAbstractButton* button, int clicks)
{
    const QPointF centre = QRectF(button->rect()).center();
    Clock::time_point clicked;
    bool first = false;
    std::vector<double> toReport;
    std::vector<double> wholeClick;
    mouse.SetSendObserver([&] {
        if (first) {
            toReport.push_back(Microseconds(Clock::now() - clicked));
            first = false;
        }
    });
    for (int i = 0; i < clicks; ++i) {
        QMouseEvent press(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, button->mapToGlobal(centre), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &press);
        first = true;
        clicked = Clock::now();
        QApplication::sendEvent(button, &release);
        wholeClick.push_back(Microseconds(Clock::now() - clicked));
        QApplication::processEvents();
    }
    mouse.SetSendObserver(nullptr);
    std::printf("%-18s click to first report handed to the mouse: median %4.0f us, worst %4.0f us; "
                "whole click: median %4.0f us (%zu clicks)\n",
                what, Median(toReport), *std::max_element(toReport.begin(), toReport.end()), Median(wholeClick),
                toReport.size());
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 200;

    qmb::EmulatedPlatform mouse;
    qmb::DeviceSession session(mouse, 0);

    qmb::ButtonEditDialog editing(session, qmb::Language::English);
    editing.show();
    Measure("\"Save\" (buttons)", mouse, editing.button(qmb::kSaveButtonsButton), clicks);

    qmb::SequenceDialog sequence(session, qmb::Language::English);
    sequence.show();
    QElapsedTimer opened;
    opened.start();
    while (!sequence.shown() && opened.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    Measure("\"Apply\" (sequence)", mouse, sequence.button(qmb::kApplySequenceButton), clicks);
}
