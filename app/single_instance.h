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
    explicit SingleInstance(const QString& name);
    ~SingleInstance() override;

    // True when this process is the one; it then listens for later starts.
    bool Acquire();
    // From a later start: asks the running copy to show its control box.
    bool AskRunningToShow() const;

signals:
    void showRequested();

private:
    QString lockPath_;
    QString socketPath_;
    int lockFd_ = -1;
    QLocalServer server_;
};

}  // namespace qmb
