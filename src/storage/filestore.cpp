// SPDX-License-Identifier: MIT
#include "storage/filestore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <unistd.h>

namespace {

WriteFault& writeFault() {
    static WriteFault fault;
    return fault;
}

QString injectedFault(const QString& path) {
    return writeFault() ? writeFault()(path) : QString();
}

} // namespace

void setWriteFault(WriteFault fault) {
    writeFault() = std::move(fault);
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

QString createIfMissing(const QString& path) {
    if (QFileInfo::exists(path))
        return {};
    if (QString fault = injectedFault(path); !fault.isEmpty())
        return fault;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && !QFileInfo::exists(path))
        return file.errorString();
    return {};
}

QString replaceFile(const QString& path, const QByteArray& bytes) {
    if (QString fault = injectedFault(path); !fault.isEmpty())
        return fault;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // Cancelling replaces the reason with its own, so the system's is taken first.
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    // QSaveFile ignores a failed flush to disk and renames anyway; the old file must stay
    // until the new one is known to be on disk, so the flush is made and checked here.
    if (::fsync(file.handle()) != 0) {
        const int reason = errno;
        file.cancelWriting();
        return qt_error_string(reason);
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString removeFile(const QString& path) {
    QFile file(path);
    if (!file.exists() && !QFileInfo(path).isSymLink())
        return {};
    if (QString fault = injectedFault(path); !fault.isEmpty())
        return fault;
    if (!file.remove())
        return file.errorString();
    return {};
}

std::optional<QString> keepCopy(const QString& path, const QString& suffix, QString& error) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = path + u'.' + suffix + u'-' + stamp;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = path + u'.' + suffix + u'-' + stamp + u'-' + QString::number(n);
    if (QString fault = injectedFault(target); !fault.isEmpty()) {
        error = fault;
        return std::nullopt;
    }
    QFile file(path);
    if (!file.copy(target)) {
        error = file.errorString();
        return std::nullopt;
    }
    return target;
}
