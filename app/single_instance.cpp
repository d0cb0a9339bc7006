// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QLocalSocket>

namespace qmb {

namespace {

constexpr int kAnswerWait = 1000;
const QByteArray kShowRequest = "show\n";

QString ErrnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// $XDG_RUNTIME_DIR, else <name>-<uid> in the temporary directory; never a
// relative or empty path.
QString RuntimeDirectoryPath(const QString& name)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        return runtime;
    }
    QString temporary = qEnvironmentVariable("TMPDIR");
    if (!QDir::isAbsolutePath(temporary)) {
        temporary = QStringLiteral("/tmp");
    }
    return QDir(temporary).filePath(QStringLiteral("%1-%2").arg(name.toLower()).arg(geteuid()));
}

// Creates the directory if it is missing and checks it is one this user
// alone can reach: in a shared temporary directory anyone may have put a
// directory or a link there first. An empty result means it will do.
QString PrivateDirectoryProblem(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST) {
        return QStringLiteral("cannot create %1: %2").arg(path, ErrnoText());
    }
    struct stat status {};
    if (lstat(native.constData(), &status) != 0) {
        return QStringLiteral("cannot reach %1: %2").arg(path, ErrnoText());
    }
    if (!S_ISDIR(status.st_mode)) {
        return QStringLiteral("%1 is not a directory").arg(path);
    }
    if (status.st_uid != geteuid()) {
        return QStringLiteral("%1 belongs to another user").arg(path);
    }
    if ((status.st_mode & 077) != 0) {
        const QString mode = QString::number(status.st_mode & 0777, 8);
        return QStringLiteral("%1 is open to other users (mode %2)").arg(path, mode);
    }
    return {};
}

}  // namespace

SingleInstance::SingleInstance(const QString& name)
{
    const QString directory = RuntimeDirectoryPath(name);
    failure_ = PrivateDirectoryProblem(directory);
    if (failure_.isEmpty()) {
        lockPath_ = QDir(directory).filePath(name + ".lock");
        socketPath_ = QDir(directory).filePath(name + ".socket");
    }
}

SingleInstance::~SingleInstance()
{
    server_.close();
    if (lockFd_ >= 0) {
        close(lockFd_);
    }
}

SingleInstance::Lock SingleInstance::Acquire()
{
    if (lockPath_.isEmpty()) {
        return Lock::Unavailable;
    }
    lockFd_ = open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd_ < 0) {
        failure_ = QStringLiteral("cannot open %1: %2").arg(lockPath_, ErrnoText());
        return Lock::Unavailable;
    }
    int locked;
    do {
        locked = flock(lockFd_, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        if (errno == EWOULDBLOCK) {
            return Lock::HeldByAnother;
        }
        failure_ = QStringLiteral("cannot lock %1: %2").arg(lockPath_, ErrnoText());
        return Lock::Unavailable;
    }
    Listen();
    return Lock::Acquired;
}

void SingleInstance::Listen()
{
    // Holding the lock, any socket left there is a dead copy's.
    QLocalServer::removeServer(socketPath_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_.nextPendingConnection()) {
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (client->readAll().startsWith(kShowRequest.trimmed())) {
                    emit showRequested();
                }
                client->disconnectFromServer();
            });
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        }
    });
    server_.listen(socketPath_);
}

bool SingleInstance::AskRunningToShow() const
{
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kAnswerWait)) {
        return false;
    }
    socket.write(kShowRequest);
    return socket.waitForBytesWritten(kAnswerWait);
}

}  // namespace qmb
