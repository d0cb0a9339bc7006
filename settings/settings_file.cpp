// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/settings_file.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace qmb::settings {
namespace {

using State = SettingsFile::State;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }

private:
    int fd_;
};

SettingsFile Refused(State state, QString trouble)
{
    return {state, {}, std::move(trouble)};
}

SettingsFile TooLarge()
{
    return Refused(State::TooLarge, QStringLiteral("larger than 1 MiB"));
}

SettingsFile Judged(const struct stat& status)
{
    if (!S_ISREG(status.st_mode))
        return Refused(State::NotRegular, QStringLiteral("not a regular file"));
    if (status.st_size > kMaxSettingsFileSize)
        return TooLarge();
    return {State::Readable, {}, {}};
}

SettingsFile Failed(int error)
{
    if (error == ENOENT || error == ENOTDIR)
        return {};
    return Refused(State::Unreadable, SystemError(error));
}

// Stops one chunk past the limit, so that a file that grew since it was
// looked at is still caught without being read whole.
SettingsFile ReadContents(int fd)
{
    QByteArray contents;
    char chunk[16384];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Refused(State::Unreadable, SystemError(errno));
        if (got == 0)
            return {State::Readable, std::move(contents), {}};
        contents.append(chunk, got);
        if (contents.size() > kMaxSettingsFileSize)
            return TooLarge();
    }
}

}  // namespace

QString SystemError(int error)
{
    return QString::fromStdString(std::generic_category().message(error));
}

SettingsFile CheckSettingsFile(const QString& path, bool withContents)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    // Judged by name first, so that nothing but a regular file is ever
    // opened; and again once open, in case it was swapped in between.
    if (::stat(name.constData(), &status) != 0)
        return Failed(errno);
    if (SettingsFile judged = Judged(status); judged.state != State::Readable)
        return judged;

    const FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0)
        return Failed(errno);
    if (::fstat(file.get(), &status) != 0)
        return Failed(errno);
    if (SettingsFile judged = Judged(status); judged.state != State::Readable || !withContents)
        return judged;
    return ReadContents(file.get());
}

}  // namespace qmb::settings
