// SPDX-FileCopyrightText: 2026 The QMBPro developers
// SPDX-License-Identifier: MIT

#include "settings/settings_writer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <thread>

#include "settings/settings_damage.h"
#include "settings/settings_file.h"
#include "settings/settings_paths.h"
#include "settings/settings_problems.h"

namespace qmb::settings {
namespace {

using namespace std::chrono_literals;

// A save holds the lock for about a millisecond; the limit only matters
// when a process hangs while holding it.
constexpr std::chrono::milliseconds kLockWait = 5s;
// Short, even retries: QLockFile's own waits start at 100 ms and double, so
// a waiter would rarely catch a busy writer's brief gaps.
constexpr std::chrono::milliseconds kLockRetry = 2ms;

struct FileStamp {
    bool exists = false;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
};

FileStamp StampOf(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return {true, status.st_ino, status.st_size, status.st_mtim};
}

bool SameVersion(const FileStamp& a, const FileStamp& b)
{
    return a.exists == b.exists && a.inode == b.inode && a.size == b.size
           && a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec;
}

// Milliseconds, as QFileInfo::lastModified() gives them.
int64_t MillisecondsOf(const timespec& time)
{
    return int64_t{time.tv_sec} * 1000 + time.tv_nsec / 1'000'000;
}

// QSettings notices another process's save only by a new size or a new
// modification time in milliseconds, and the file system's clock moves in
// steps of several milliseconds. After two same-sized saves within one step
// a process would keep its old copy and later write it back over the newer
// values. So each save moves the time at least a millisecond past the one
// before it.
void MoveModificationTimePast(const QString& path, const FileStamp& before, const FileStamp& after)
{
    if (!before.exists || MillisecondsOf(after.modified) > MillisecondsOf(before.modified))
        return;
    const int64_t next = MillisecondsOf(before.modified) + 1;
    const timespec times[2] = {
        {0, UTIME_OMIT},
        {static_cast<time_t>(next / 1000), static_cast<long>(next % 1000) * 1'000'000},
    };
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0);
}

bool TakeLock(QLockFile& lock)
{
    const QDeadlineTimer deadline(kLockWait);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        std::this_thread::sleep_for(kLockRetry);
    }
    return true;
}

QString CreateDirectory(const QString& dir)
{
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(dir).toStdString(), error);
    return error ? QString::fromStdString(error.message()) : QString();
}

// Why a save of path fails, in the system's words: the file itself, or the
// directory that must take the new file.
QString WhyNotWritable(const QString& path)
{
    const QString dir = QFileInfo(path).absolutePath();
    if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        return SystemError(errno);
    if (::faccessat(AT_FDCWD, QFile::encodeName(dir).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return dir + QStringLiteral(": ") + SystemError(errno);
    return QStringLiteral("the file could not be written");
}

QString WhyNotLocked(const QLockFile& lock, const QString& path)
{
    if (lock.error() == QLockFile::LockFailedError)
        return QStringLiteral("another program keeps them locked");
    return WhyNotWritable(path);
}

bool CannotSave(const QString& path, const QString& reason)
{
    ReportProblem(Problem::CannotSave, QStringLiteral("cannot save settings to %1: %2").arg(path, reason));
    return false;
}

}  // namespace

bool WriteUserSettings(const std::function<void(QSettings&)>& change)
{
    const QString path = UserSettingsPath();
    if (path.isEmpty()) {
        ReportProblem(Problem::CannotSave, QStringLiteral("cannot save settings: no home directory to keep them in"));
        return false;
    }
    if (const QString trouble = CreateDirectory(QFileInfo(path).absolutePath()); !trouble.isEmpty())
        return CannotSave(path, trouble);
    // QSettings takes "<file>.lock" itself while it saves; this lock spans the
    // whole read, change, save and time step.
    QLockFile lock(path + QStringLiteral(".writer.lock"));
    if (!TakeLock(lock))
        return CannotSave(path, WhyNotLocked(lock, path));
    if (const QString trouble = PrepareForSave(path); !trouble.isEmpty())
        return CannotSave(path, trouble);

    const FileStamp before = StampOf(path);
    {
        QSettings settings(path, QSettings::IniFormat);
        // Checked first so that a change that cannot be saved is never
        // handed to QSettings, which would keep it pending in its cache.
        if (!settings.isWritable())
            return CannotSave(path, WhyNotWritable(path));
        change(settings);
        settings.sync();
    }
    // QSettings' status cannot tell: a format error in the old file hides a
    // later write error. A save always puts a new file in place.
    const FileStamp after = StampOf(path);
    if (!after.exists || SameVersion(before, after))
        return CannotSave(path, WhyNotWritable(path));
    MoveModificationTimePast(path, before, after);
    return true;
}

}  // namespace qmb::settings
