// SPDX-License-Identifier: MIT
#include "storage/filestore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <fcntl.h>
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
QString replacementFailure(const QString& path, const QByteArray& bytes) {
    const bool existed = QFileInfo::exists(path);
    // Kept to be put back should the new name not reach the disk.
    const ReadResult old = readWholeFile(path);
    if (!old.error.isEmpty())
        return old.error;
    if (QString error = writeAndRename(path, bytes); !error.isEmpty())
        return error;
    const QString error = flushDirectory(path);
    if (error.isEmpty())
        return {};
    if (existed)
        writeAndRename(path, old.bytes);
    else
        QFile::remove(path);
    return QStringLiteral("its directory could not be flushed to disk (%1)").arg(error);
}

} // namespace

void setFileFault(FileFault fault) {
    fileFault() = std::move(fault);
}

ReadResult readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, file.errorString()};
    return {bytes, {}};
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

QString replaceFile(const QString& path, const QByteArray& bytes) {
    const QString reason = replacementFailure(path, bytes);
    return reason.isEmpty() ? reason : failureText(path, reason);
}

QString removeFile(const QString& path) {
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return {};
    return file.remove() ? QString() : failureText(path, file.errorString());
}

std::optional<QString> keepCopy(const QString& path, const QString& suffix, QString& error) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + u'.' + suffix + u'-' + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + u'.' + suffix + u'-' + stamp + u'-' + QString::number(n);
    QFile file(path);
    if (!file.copy(target)) {
        error = file.errorString();
        return std::nullopt;
    }
    return target;
}
