// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace qmb {

class DeviceWatcher;
struct DeviceSession;

// The tray menu's backup and restore of the mouse: a file chosen in the
// desktop's file dialog, the watcher kept off the mouse meanwhile, the
// outcome told as a notice. A restore shows what it would change and asks
// first.
class MouseBackupMenu : public QObject {
    Q_OBJECT
public:
    // Asks for a file to save to or open; empty when none was chosen.
    using FileChooser = std::function<QString(QWidget* parent, bool saving)>;

    MouseBackupMenu(DeviceSession& session, DeviceWatcher& watcher, QWidget& parent,
                    FileChooser chooseFile = ChooseInFileDialog);

    static QString ChooseInFileDialog(QWidget* parent, bool saving);

    void BackUp();
    void Restore();

private:
    DeviceSession& session_;
    DeviceWatcher& watcher_;
    QWidget& parent_;
    FileChooser chooseFile_;
};

}  // namespace qmb
