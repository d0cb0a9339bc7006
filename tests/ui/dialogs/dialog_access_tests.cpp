// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

// Every dialog as a keyboard user and a screen reader meet it, in both
// languages: what Tab walks, what each control is called, and whether each
// button's caption sits clear of its frame.

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>

#include "device/device_watcher.h"
#include "emulator/platform/emulated_platform.h"
#include "protocol/device_session.h"
#include "protocol/mouse_watch_listener.h"
#include "tests/settings/settings_sandbox.h"
#include "tests/support/accessible_tree.h"
#include "tests/support/qt_printers.h"
#include "ui/controls/skin_button.h"
#include "ui/dialogs/button_edit_dialog.h"
#include "ui/dialogs/login_dialog.h"
#include "ui/dialogs/password_dialog.h"
#include "ui/dialogs/sequence_dialog.h"
#include "ui/dialogs/site_dialog.h"

namespace qmb {
namespace {

struct UnheededWatch : MouseWatchListener {
    void OnDeviceDetected() override {}
    void OnStatusPolled(const PolledStatus&) override {}
    void OnDeviceReset(std::span<const uint8_t>) override {}
    void OnDeviceStateChanged() override {}
};

using Opener = std::function<std::unique_ptr<QDialog>(DeviceSession&, DeviceWatcher&, Language)>;

struct DialogCase {
    const char* name;
    Opener open;
    // The controls Tab walks from the one the dialog opens on, by id.
    QStringList tabs;
};

const std::vector<DialogCase> kDialogs{
    {"Button Editing",
     [](DeviceSession& s, DeviceWatcher&, Language l) { return std::make_unique<ButtonEditDialog>(s, l); },
     {"1025", "1026", "1027", "1028", "1029", "1030", "1031", "1033", "1034", "1069", "1032", "1025"}},
    {"Sequence Setting",
     [](DeviceSession& s, DeviceWatcher&, Language l) { return std::make_unique<SequenceDialog>(s, l); },
     {"1035", "1036", "1037", "1038", "1039", "1040", "1041", "1045", "1065", "1046", "1066", "1035"}},
    {"Password Setting",
     [](DeviceSession& s, DeviceWatcher&, Language l) { return std::make_unique<PasswordDialog>(s, l); },
     {"1018", "1019", "1020", "1022", "1068", "1018"}},
    {"Sign in",
     [](DeviceSession& s, DeviceWatcher& w, Language l) { return std::make_unique<LoginDialog>(s, w, l); },
     {"1018", "1065", "1066", "1018"}},
    {"Internet Password Setting",
     [](DeviceSession& s, DeviceWatcher&, Language l) { return std::make_unique<SiteDialog>(s, l); },
     {"1090", "1103", "1098", "1104", "1069", "1090"}},
};

class DialogAccessTest : public test::SettingsSandbox, public ::testing::WithParamInterface<Language> {
protected:
    std::unique_ptr<QDialog> Open(const DialogCase& dialog)
    {
        auto window = dialog.open(session_, watcher_, GetParam());
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get())) << dialog.name;
        // The sequence dialog reads the mouse a moment after it opens.
        QTest::qWait(300);
        return window;
    }

    EmulatedPlatform mouse_;
    DeviceSession session_{mouse_, 0};
    UnheededWatch listener_;
    DeviceWatcher watcher_{session_.link, kStatusReportId, listener_, [](std::function<void()>) {}};
};

// The rows and columns of a button's caption: pixels nearer the caption's
// colour than the face's.
QRect CaptionInk(const QImage& button)
{
    QRect ink;
    for (int y = 0; y < button.height(); ++y) {
        for (int x = 0; x < button.width(); ++x) {
            const QColor pixel = button.pixelColor(x, y);
            if (pixel.blue() > pixel.red() + 60) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

TEST_P(DialogAccessTest, TabWalksEachDialogAsItIsReadEveryControlHasANameAndEveryCaptionStandsClear)
{
    constexpr int kClear = 2;
    for (const auto& dialog : kDialogs) {
        auto window = Open(dialog);
        QStringList walked{QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString()};
        for (qsizetype i = 1; i < dialog.tabs.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(walked, dialog.tabs) << dialog.name;

        QAccessibleInterface* tree = QAccessible::queryAccessibleInterface(window.get());
        EXPECT_FALSE(tree->text(QAccessible::Name).isEmpty()) << dialog.name;
        EXPECT_EQ(test::UnnamedControls(tree), QStringList()) << dialog.name;

        // Back on a field, no button shows a focus ring here.
        std::set<int> heights;
        for (SkinButton* button : window->findChildren<SkinButton*>()) {
            if (!button->isVisible() || !button->isEnabled()) {
                continue;
            }
            heights.insert(button->height());
            const QRect ink = CaptionInk(button->grab().toImage());
            // The frame is the outermost pixel; then the clear space.
            const QRect allowed = button->rect().adjusted(1 + kClear, 1 + kClear, -1 - kClear, -1 - kClear);
            EXPECT_TRUE(allowed.contains(ink)) << dialog.name << " " << button->text().toStdString() << ": "
                                               << ::testing::PrintToString(ink) << " outside "
                                               << ::testing::PrintToString(allowed);
        }
        EXPECT_EQ(heights.size(), 1u) << dialog.name;
    }
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, DialogAccessTest, ::testing::Values(Language::English, Language::Korean));

}  // namespace
}  // namespace qmb
