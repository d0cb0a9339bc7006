// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QSocketNotifier>

namespace qmb {

// SIGTERM (the session ending), SIGINT and SIGHUP end the program through
// its event loop, as "Exit" does, so that it takes its socket with it
// instead of dying where it stands. A handler only writes to a pipe; the
// loop reads it. While one lives, the signals are taken; it gives them
// back to their default when it goes.
class QuitSignals : public QObject {
    Q_OBJECT
public:
    QuitSignals();
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

signals:
    void quitRequested();

private:
    void TakeSignals();

    int readEnd_ = -1;
    QSocketNotifier* readable_ = nullptr;
};

}  // namespace qmb
