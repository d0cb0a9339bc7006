// From a click on the button editing dialog's "Save" to the button map
// handed to the demo mouse, and the whole click (map, status write and
// both replies).
//
//   button_edit_bench [clicks]   (default 200; offscreen)

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "config/button_edit_dialog.h"
#include "config/button_edit_layout.h"
#include "controls/skin_button.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"

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

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 200;

    qmb::EmulatedPlatform mouse;
    qmb::DeviceSession session(mouse, 0);
    qmb::ButtonEditDialog dialog(session, false);
    dialog.show();
    qmb::SkinButton* save = dialog.button(qmb::kSaveButtonsButton);
    const QPointF centre = QRectF(save->rect()).center();

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
        QMouseEvent press(QEvent::MouseButtonPress, centre, save->mapToGlobal(centre), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, save->mapToGlobal(centre), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(save, &press);
        first = true;
        clicked = Clock::now();
        QApplication::sendEvent(save, &release);
        wholeClick.push_back(Microseconds(Clock::now() - clicked));
        QApplication::processEvents();
    }
    std::printf("\"Save\" click to button map handed to the mouse: median %.0f us, worst %.0f us (%zu clicks)\n",
                Median(toReport), *std::max_element(toReport.begin(), toReport.end()), toReport.size());
    std::printf("whole click (map, status, both replies):     median %.0f us, worst %.0f us\n", Median(wholeClick),
                *std::max_element(wholeClick.begin(), wholeClick.end()));
}
