// SPDX-License-Identifier: MIT
#include "storage/filestore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileFault& fileFault() {
    static FileFault fault;
    return fault;
}

QString injectedFault(const QString& path, FileStep step) {
    return fileFault() ? fileFault()(path, step) : QString();
}

// Writes and flushes the bytes to a temporary file beside `path` and renames it over `path`.
Result<> writeAndRename(const QString& path, const QByteArray& bytes) {
    if (QString fault = injectedFault(path, FileStep::Open); !fault.isEmpty())
        return Failure{fault};
    QSaveFile file(path);
    // Unbuffered, so that the one write reaches the system and its failure is seen here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure{file.errorString()};
    QString error;
    if (file.write(bytes) != bytes.size())
        error = file.errorString();
    // QSaveFile ignores a failed flush to disk and renames anyway; the old file must stay
    // until the new one is known to be on disk, so the flush is made and checked here.
    if (error.isEmpty() && ::fsync(file.handle()) != 0)
        error = qt_error_string(errno);
    if (error.isEmpty())
        error = injectedFault(path, FileStep::Rename);
    if (!error.isEmpty()) {
        file.cancelWriting();
        return Failure{error};
    }
    if (!file.commit())
        return Failure{file.errorString()};
    return {};
}

// A rename is only durable once the directory that holds the name is on disk too.
Result<> flushDirectory(const QString& path) {
    if (QString fault = injectedFault(path, FileStep::DirectoryFlush); !fault.isEmpty())
        return Failure{fault};
    const QByteArray directory = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return Failure{qt_error_string(errno)};
    const int flushed = ::fsync(fd);
    const int reason = errno;
    ::close(fd);
    return flushed == 0 ? Result<>() : Failure{qt_error_string(reason)};
}

// A replacement, its failure the system's reason alone.
Result<> replace(const QString& path, const QByteArray& bytes, qint64 limit) {
    const bool existed = QFileInfo::exists(path);
    // Kept to be put back should the new name not reach the disk.
    const Result<QByteArray> old = readUpTo(path, limit);
    if (!old.ok())
        return old.failure();
    // Longer than the game ever writes there, it is no file of the game's (a damaged one has
    // been kept aside before it is mended), and is not read whole to be put back.
    const bool restorable = old.value().size() <= limit;
    if (Result<> written = writeAndRename(path, bytes); !written.ok())
        return written;
    const Result<> flushed = flushDirectory(path);
    if (flushed.ok())
        return {};
    if (!existed)
        QFile::remove(path);
    else if (restorable)
        writeAndRename(path, old.value());
    return Failure{QStringLiteral("its directory could not be flushed to disk (%1)")
                       .arg(flushed.failure().text)};
}

QString notRegularReason(mode_t mode) {
    const char* kind = S_ISFIFO(mode)   ? "a named pipe"
                       : S_ISDIR(mode)  ? "a directory"
                       : S_ISCHR(mode)  ? "a character device"
                       : S_ISBLK(mode)  ? "a block device"
                       : S_ISSOCK(mode) ? "a socket"
                                        : "no file";
    return QStringLiteral("it is %1, not a regular file").arg(QLatin1StringView(kind));
}

// Reads from `fd` until its end or `most` bytes.
Result<QByteArray> readOpened(int fd, qint64 most) {
    QByteArray bytes(most, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < most) {
        const ssize_t got = ::read(fd, bytes.data() + filled, std::size_t(most - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Failure{qt_error_string(errno)};
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return bytes;
}

// A failed call's reason; a missing file is no failure, and reads as empty.
Result<QByteArray> missingOrFailed() {
    if (errno == ENOENT)
        return {};
    return Failure{qt_error_string(errno)};
}

} // namespace

void setFileFault(FileFault fault) {
    fileFault() = std::move(fault);
}

Result<QByteArray> readUpTo(const QString& path, qint64 limit) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Judged before the open: opening a socket fails, and opening a pipe could wait for ever.
    if (::stat(name.constData(), &info) != 0)
        return missingOrFailed();
    if (!S_ISREG(info.st_mode))
        return Failure{notRegularReason(info.st_mode)};
    // Non-blocking, so that a pipe put in the file's place since cannot hold the open up.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return missingOrFailed();
    Result<QByteArray> read;
    if (::fstat(fd, &info) != 0)
        read = Failure{qt_error_string(errno)};
    else if (!S_ISREG(info.st_mode))
        read = Failure{notRegularReason(info.st_mode)};
    else
        read = readOpened(fd, limit + 1);
    ::close(fd);
    return read;
}

QString failureText(const QString& path, const QString& reason) {
    return QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), reason);
}

void createIfMissing(const QString& path) {
    if (QFileInfo::exists(path))
        return;
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

Result<> replaceFile(const QString& path, const QByteArray& bytes, qint64 limit) {
    const Result<> replaced = replace(path, bytes, limit);
    return replaced.ok() ? replaced : Failure{failureText(path, replaced.failure().text)};
}

Result<> removeFile(const QString& path) {
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return {};
    return file.remove() ? Result<>() : Failure{failureText(path, file.errorString())};
}

Result<QString> keepAside(const QString& path, const QString& suffix, const QByteArray& bytes) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + u'.' + suffix + u'-' + stamp;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = path + u'.' + suffix + u'-' + stamp + u'-' + QString::number(n);
    // A link to what `path` points at, so that a link to a file keeps that file.
    if (::linkat(AT_FDCWD, QFile::encodeName(path).constData(), AT_FDCWD,
                 QFile::encodeName(target).constData(), AT_SYMLINK_FOLLOW) == 0)
        return target;
    QFile copy(target);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return Failure{copy.errorString()};
    if (copy.write(bytes) == bytes.size() && copy.flush())
        return target;
    const Failure failure{copy.errorString()};
    copy.remove();
    return failure;
}
