// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// How long a notice takes to appear: from the ShowNotice call to the popup's
// first paint: the very first call (fonts and window system still cold),
// then with a new popup each time and with the popup still up reused.
//
//   notice_bench [calls]   (default 50; offscreen unless QT_QPA_PLATFORM says otherwise)

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "ui/notice/notice_popup.h"

namespace {

class PaintSpy : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<qmb::NoticePopup*>(watched) != nullptr) {
            painted = true;
        }
        return false;
    }
};

bool NoticeAlive()
{
    const auto widgets = QApplication::topLevelWidgets();
    return std::any_of(widgets.begin(), widgets.end(),
                       [](QWidget* widget) { return qobject_cast<qmb::NoticePopup*>(widget) != nullptr; });
}

const QString kTexts[] = {
    QStringLiteral("Failed of config read!"),
    QStringLiteral("Match Ok!"),
    QStringLiteral("비밀번호가 일치 하지 않습니다."),
    QStringLiteral("Not support !"),
};

// Milliseconds from each call until the popup was painted.
std::vector<double> TimeToShown(PaintSpy& spy, int calls, bool reuse)
{
    std::vector<double> figures;
    for (int i = 0; i < calls; ++i) {
        while (!reuse && NoticeAlive()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        spy.painted = false;
        QElapsedTimer clock;
        clock.start();
        qmb::ShowNotice(kTexts[i % std::size(kTexts)], qmb::kFailureNoticeColour, reuse ? 60000 : 1);
        while (!spy.painted && clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        figures.push_back(clock.nsecsElapsed() / 1e6);
    }
    return figures;
}

void Print(const char* what, std::vector<double> figures)
{
    std::sort(figures.begin(), figures.end());
    std::printf("%-34s median %6.2f ms, worst %6.2f ms (%zu calls)\n", what, figures[figures.size() / 2],
                figures.back(), figures.size());
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const int calls = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    PaintSpy spy;
    app.installEventFilter(&spy);
    const std::vector<double> fresh = TimeToShown(spy, calls, false);
    std::printf("%-34s %6.2f ms\n", "ShowNotice to shown, first call:", fresh.front());
    Print("ShowNotice to shown, new popup:", fresh);
    Print("ShowNotice to shown, reused popup:", TimeToShown(spy, calls, true));
    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
}
