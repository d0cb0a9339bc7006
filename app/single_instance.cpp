#include "app/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace qmb {

namespace {

constexpr int kAnswerWait = 1000;
const QByteArray kShowRequest = "show\n";

}  // namespace

SingleInstance::SingleInstance(const QString& name)
{
    // Qt makes sure this directory is the user's own (mode 0700).
    const QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    lockPath_ = QDir(directory).filePath(name + ".lock");
    socketPath_ = QDir(directory).filePath(name + ".socket");
}

SingleInstance::~SingleInstance()
{
    server_.close();
    if (lockFd_ >= 0) {
        close(lockFd_);
    }
}

bool SingleInstance::Acquire()
{
    lockFd_ = open(QFile::encodeName(lockPath_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0 || flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        return false;
    }
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
    return true;
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
