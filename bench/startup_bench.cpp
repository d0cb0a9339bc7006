// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// How long the tray program takes from exec to its icon docked in an X11
// tray, beside a bare Qt tray program, and where its time goes.
//
//   startup_bench [runs]   (default 15)
//
// Everything runs on an Xvfb and a session bus of the bench's own, with an
// X11 tray that the bench plays and that notes when an icon asks to be
// docked. The phases come from this bench run again as a child: it starts
// the tray program as qmbpro's main does, with the demo mouse, and prints
// the time after each step. The icon asks to be docked from within the
// step that shows it, so its row may come before that step's end.

#include <QApplication>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "app/settings_notices.h"
#include "app/single_instance.h"
#include "app/tray_program.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "tests/support/child_process.h"
#include "tests/support/session_bus.h"
#include "tests/support/virtual_display.h"
#include "tests/support/xembed_tray_owner.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using qmb::test::ChildProcess;

constexpr char kPhasesArgument[] = "--phases";
constexpr auto kDockWait = 10s;
const char* const kLastStep = "tray program started";

// The steady clock is the system's monotonic clock, the same in every
// process: the child's marks and the tray's note of the dock line up.
void Mark(const char* step)
{
    std::printf("%lld %s\n", static_cast<long long>(Clock::now().time_since_epoch().count()), step);
    std::fflush(stdout);
}

int StartInPhases(int argc, char** argv)
{
    Mark("main entered");
    QApplication application(argc, argv);
    QApplication::setApplicationName("QMBPro");
    QApplication::setQuitOnLastWindowClosed(false);
    Mark("Qt application");
    qmb::SingleInstance instance("QMBPro");
    instance.Acquire();
    qmb::ShowSettingsProblemsAsNotices();
    Mark("single instance, settings");
    qmb::EmulatedPlatform platform(0);
    qmb::DeviceSession session(platform, 0);
    Mark("demo mouse session");
    qmb::TrayProgram program(session, qmb::Language::English);
    Mark("tray program built");
    program.Start();
    Mark(kLastStep);
    return QApplication::exec();
}

double Milliseconds(Clock::duration span)
{
    return std::chrono::duration<double, std::milli>(span).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// A fresh tray and a fresh home for each run: the program finds the tray
// there at its start, and no copy of it from an earlier run.
class Desktop {
public:
    Desktop()
    {
        setenv("DISPLAY", display_.name().constData(), 1);
        setenv("DBUS_SESSION_BUS_ADDRESS", bus_.address().toUtf8().constData(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        setenv("LC_ALL", "C.UTF-8", 1);
        unsetenv("WAYLAND_DISPLAY");
        unsetenv("QT_QPA_PLATFORMTHEME");
    }

    bool ready() const { return display_.running() && bus_.running(); }

    // Milliseconds from exec to the dock request, and the child's marks
    // taken from there when it prints them; a negative time if it never
    // docked.
    double Run(std::vector<std::string> command, std::map<std::string, double>* marks = nullptr)
    {
        QTemporaryDir home;
        const QByteArray runtime = QFile::encodeName(home.filePath("runtime"));
        mkdir(runtime.constData(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
        setenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath("config")).constData(), 1);
        qmb::XEmbedTrayOwner tray(display_.name());
        if (!tray.owns()) {
            return -1;
        }
        const auto started = Clock::now();
        ChildProcess program(std::move(command), marks ? ChildProcess::Output::Piped : ChildProcess::Output::Discarded);
        const auto docked = tray.WaitForDockRequest(kDockWait);
        if (!docked) {
            return -1;
        }
        if (marks) {
            ReadMarks(program.output(), started, *marks);
        }
        return Milliseconds(*docked - started);
    }

private:
    static void ReadMarks(int output, Clock::time_point started, std::map<std::string, double>& marks)
    {
        std::string seen;
        char chunk[512];
        while (seen.find(kLastStep) == std::string::npos) {
            const ssize_t got = read(output, chunk, sizeof chunk);
            if (got <= 0) {
                return;
            }
            seen.append(chunk, static_cast<size_t>(got));
        }
        size_t line = 0;
        for (size_t end; (end = seen.find('\n', line)) != std::string::npos; line = end + 1) {
            const std::string text = seen.substr(line, end - line);
            const size_t space = text.find(' ');
            const Clock::time_point at{Clock::duration(std::atoll(text.substr(0, space).c_str()))};
            marks[text.substr(space + 1)] = Milliseconds(at - started);
        }
    }

    qmb::VirtualDisplay display_;
    qmb::SessionBus bus_;
};

void PrintSpread(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("  %-34s %6.1f %6.1f %6.1f\n", what, times.front(), Median(times), times.back());
}

int Measure(int runs)
{
    Desktop desktop;
    if (!desktop.ready()) {
        std::fprintf(stderr, "startup_bench: needs Xvfb and dbus-daemon\n");
        return 1;
    }
    const std::vector<std::string> bare{BARE_TRAY_PATH};
    const std::vector<std::string> tray{QMBPRO_PATH, "--demo"};
    const std::vector<std::string> phased{STARTUP_BENCH_PATH, kPhasesArgument};
    // Once each unmeasured: the first start reads everything from disk.
    desktop.Run(bare);
    desktop.Run(tray);

    std::vector<double> bareTimes;
    std::vector<double> trayTimes;
    std::vector<std::string> steps;
    std::map<std::string, std::vector<double>> stepTimes;
    for (int run = 0; run < runs; ++run) {
        // Taken in turn, so that whatever else loads the machine loads both.
        bareTimes.push_back(desktop.Run(bare));
        trayTimes.push_back(desktop.Run(tray));
        std::map<std::string, double> marks;
        const double docked = desktop.Run(phased, &marks);
        if (docked < 0 || marks.empty()) {
            std::fprintf(stderr, "startup_bench: run %d never docked\n", run);
            return 1;
        }
        std::vector<std::pair<double, std::string>> ordered;
        for (const auto& [step, at] : marks) {
            ordered.emplace_back(at, step);
        }
        ordered.emplace_back(docked, "icon docked");
        std::sort(ordered.begin(), ordered.end());
        double previous = 0;
        steps.clear();
        for (const auto& [at, step] : ordered) {
            steps.push_back(step);
            stepTimes[step].push_back(at - previous);
            previous = at;
        }
    }
    if (*std::min_element(bareTimes.begin(), bareTimes.end()) < 0 ||
        *std::min_element(trayTimes.begin(), trayTimes.end()) < 0) {
        std::fprintf(stderr, "startup_bench: a program never docked\n");
        return 1;
    }
    std::printf("exec to icon docked, %d runs each:        min median    max ms\n", runs);
    PrintSpread("bare Qt tray program", bareTimes);
    PrintSpread("qmbpro --demo", trayTimes);
    std::printf("  qmbpro / bare, medians:            %.2fx\n", Median(trayTimes) / Median(bareTimes));
    std::printf("the same start-up in phases, each from the one before, in the order they came:\n");
    for (const auto& step : steps) {
        PrintSpread(step.c_str(), stepTimes[step]);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == kPhasesArgument) {
        return StartInPhases(argc, argv);
    }
    return Measure(argc > 1 ? std::atoi(argv[1]) : 15);
}
