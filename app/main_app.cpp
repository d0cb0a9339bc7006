#include "app/main_app.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

#include "app/device_session.h"
#include "app/main_dialog.h"
#include "app/single_instance.h"
#include "credentials/settings_store.h"
#include "device/hidraw/hidraw_platform.h"
#include "device/report_trace.h"

namespace qmb {

namespace {

bool TraceWanted(const AppOptions& options)
{
    const char* variable = std::getenv("QMB_TRACE");
    return options.trace || (variable && QByteArray(variable) == "1");
}

}  // namespace

MainApp::MainApp(const AppOptions& options) : options_(options) {}

MainApp::~MainApp() = default;

int MainApp::InitInstance()
{
    SingleInstance instance("QMBPro");
    if (!instance.Acquire()) {
        instance.AskRunningToShow();
        return 0;
    }

    const bool korean = QLocale().language() == QLocale::Korean;
    QTranslator translator;
    if (korean && translator.load(":/i18n/qmbpro_ko.qm")) {
        QCoreApplication::installTranslator(&translator);
    }

    const int model =
        options_.model.value_or(static_cast<int>(ReadMachineDword(kMachineKey, kModelName)));
    std::unique_ptr<HidPlatform> platform;
    EmulatedPlatform* demoMouse = nullptr;
    if (options_.demo) {
        auto emulated = std::make_unique<EmulatedPlatform>(model);
        demoMouse = emulated.get();
        platform = std::move(emulated);
    } else {
        platform = std::make_unique<HidrawPlatform>();
    }
    std::unique_ptr<ReportTrace> trace;
    if (TraceWanted(options_)) {
        trace = std::make_unique<ReportTrace>([](std::string_view line) {
            std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
        });
    }

    DeviceSession session(*platform, model, demoMouse);
    session.link.SetTrace(trace.get());
    MainDialog dialog(session, korean);
    QObject::connect(&instance, &SingleInstance::showRequested, &dialog, &MainDialog::ShowControlBox);
    QObject::connect(&dialog, &MainDialog::exitRequested, qApp, &QCoreApplication::quit);
    dialog.OnInitDialog();
    return QApplication::exec();
}

}  // namespace qmb
