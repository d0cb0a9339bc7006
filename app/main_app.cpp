// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/main_app.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

#include "protocol/device_session.h"
#include "app/tray_program.h"
#include "app/quit_signals.h"
#include "app/settings_notices.h"
#include "app/single_instance.h"
#include "settings/settings_store.h"
#include "device/report_trace.h"
#include "device/system_platform.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/secret_bytes.h"

namespace qmb {

MainApp::MainApp(const AppOptions& options) : options_(options) {}

MainApp::~MainApp() = default;

int MainApp::InitInstance()
{
    QuitSignals quitSignals;
    QObject::connect(&quitSignals, &QuitSignals::quitRequested, qApp, &QCoreApplication::quit);
    SingleInstance instance("QMBPro");
    switch (instance.Acquire()) {
    case SingleInstance::Lock::HeldByAnother:
        instance.AskRunningToShow();
        return 0;
    case SingleInstance::Lock::Unavailable:
        // Refusing to start would leave the user without the program over
        // a directory problem; a second copy is the lesser harm.
        std::fprintf(stderr, "qmbpro: %s; starting without the single-instance check\n",
                     qUtf8Printable(instance.failure()));
        break;
    case SingleInstance::Lock::Acquired:
        break;
    }

    const Language language = QLocale().language() == QLocale::Korean ? Language::Korean : Language::English;
    QTranslator translator;
    if (language == Language::Korean && translator.load(":/i18n/qmbpro_ko.qm")) {
        QCoreApplication::installTranslator(&translator);
    }
    ShowSettingsProblemsAsNotices();

    const int model = options_.model ? *options_.model : InstalledModelNumber();
    const std::unique_ptr<HidPlatform> platform =
        options_.demo ? std::make_unique<EmulatedPlatform>(model) : SystemHidPlatform();
    const auto trace = TraceToStandardError(options_.trace, kMouseSecrets);

    DeviceSession session(*platform, model);
    session.link.SetTrace(trace.get());
    TrayProgram program(session, language);
    QObject::connect(&instance, &SingleInstance::showRequested, &program.visibility(),
                     &ControlBoxVisibility::ShowControlBox);
    QObject::connect(&program, &TrayProgram::exitRequested, qApp, &QCoreApplication::quit);
    program.Start();
    return QApplication::exec();
}

}  // namespace qmb
