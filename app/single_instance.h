// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace qmb {

// One running copy per user. The lock is a file lock in the user's private
// runtime directory, released by the kernel when the process ends, so a
// crash never blocks the next start.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Lock {
        Acquired,       // this process is the one; it listens for later starts
        HeldByAnother,  // another copy runs
        Unavailable,    // no lock to take: see failure()
    };

    explicit SingleInstance(const QString& name);
    ~SingleInstance() override;

    Lock Acquire();
    // Why the lock was unavailable, naming the path; empty otherwise.
    const QString& failure() const { return failure_; }
    // From a later start: asks the running copy to show its control box.
    bool AskRunningToShow() const;

signals:
    void showRequested();

private:
    void Listen();

    QString lockPath_;
    QString socketPath_;
    QString failure_;
    int lockFd_ = -1;
    QLocalServer server_;
};

}  // namespace qmb
