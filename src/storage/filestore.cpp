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
QString writeAndRename(const QString& path, const QByteArray& bytes) {
    if (QString fault = injectedFault(path, FileStep::Open); !fault.isEmpty())
        return fault;
    QSaveFile file(path);
    // Unbuffered, so that the one write reaches the system and its failure is seen here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
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
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

// A rename is only durable once the directory that holds the name is on disk too.
QString flushDirectory(const QString& path) {
    if (QString fault = injectedFault(path, FileStep::DirectoryFlush); !fault.isEmpty())
        return fault;
    const QByteArray directory = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(directory.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    const int flushed = ::fsync(fd);
    const int reason = errno;
    ::close(fd);
    return flushed == 0 ? QString() : qt_error_string(reason);
}

// The reason a replacement failed, or empty.
QString replacementFailure(const QString& path, const QByteArray& bytes, qint64 limit) {
    const bool existed = QFileInfo::exists(path);
    // Kept to be put back should the new name not reach the disk.
    const ReadResult old = readUpTo(path, limit);
    if (!old.error.isEmpty())
        return old.error;
    // Longer than the game ever writes there, it is no file of the game's (a damaged one has
    // been kept aside before it is mended), and is not read whole to be put back.
    const bool restorable = old.bytes.size() <= limit;
    if (QString error = writeAndRename(path, bytes); !error.isEmpty())
        return error;
    const QString error = flushDirectory(path);
    if (error.isEmpty())
        return {};
    if (!existed)
        QFile::remove(path);
    else if (restorable)
        writeAndRename(path, old.bytes);
    return QStringLiteral("its directory could not be flushed to disk (%1)").arg(error);
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
ReadResult readOpened(int fd, qint64 most) {
    QByteArray bytes(most, Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < most) {
        const ssize_t got = ::read(fd, bytes.data() + filled, std::size_t(most - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return {{}, qt_error_string(errno)};
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    return {bytes, {}};
}

} // namespace

void setFileFault(FileFault fault) {
    fileFault() = std::move(fault);
}

ReadResult readUpTo(const QString& path, qint64 limit) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    // Judged before the open: opening a socket fails, and opening a pipe could wait for ever.
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT ? ReadResult{} : ReadResult{{}, qt_error_string(errno)};
    if (!S_ISREG(info.st_mode))
        return {{}, notRegularReason(info.st_mode)};
    // Non-blocking, so that a pipe put in the file's place since cannot hold the open up.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? ReadResult{} : ReadResult{{}, qt_error_string(errno)};
    ReadResult read;
    if (::fstat(fd, &info) != 0)
        read.error = qt_error_string(errno);
    else if (!S_ISREG(info.st_mode))
        read.error = notRegularReason(info.st_mode);
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

QString replaceFile(const QString& path, const QByteArray& bytes, qint64 limit) {
    const QString reason = replacementFailure(path, bytes, limit);
    return reason.isEmpty() ? reason : failureText(path, reason);
}

QString removeFile(const QString& path) {
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return {};
    return file.remove() ? QString() : failureText(path, file.errorString());
}

std::optional<QString> keepAside(const QString& path, const QString& suffix,
                                 const QByteArray& bytes, QString& error) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + u'.' + suffix + u'-' + stamp;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = path + u'.' + suffix + u'-' + stamp + u'-' + QString::number(n);
    // A link to what `path` points at, so that a link to a file keeps that file.
    if (::linkat(AT_FDCWD, QFile::encodeName(path).constData(), AT_FDCWD,
                 QFile::encodeName(target).constData(), AT_SYMLINK_FOLLOW) == 0)
        return target;
    QFile copy(target);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        error = copy.errorString();
        return std::nullopt;
    }
    if (copy.write(bytes) == bytes.size() && copy.flush())
        return target;
    error = copy.errorString();
    copy.remove();
    return std::nullopt;
}
