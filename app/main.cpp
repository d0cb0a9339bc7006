#include <QApplication>

#include <cstdio>

#include "app/app_options.h"
#include "app/main_app.h"
#include "app/window_system_choice.h"

int main(int argc, char** argv)
{
    qmb::ChooseWindowSystem(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName("QMBPro");
    QApplication::setApplicationVersion("1.0");
    QApplication::setDesktopFileName("qmbpro");
    // A tray program: closing a window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    const auto options = qmb::ParseAppOptions(QApplication::arguments());
    if (!options) {
        std::fputs(qmb::kAppUsage, stderr);
        return 2;
    }
    qmb::MainApp program(*options);
    return program.InitInstance();
}
