// SPDX-License-Identifier: MIT
#pragma once

#include "support/datatable.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <sys/stat.h>

// Puts at `path` what no game writes there: "pipe" a named pipe, "zero" a link to /dev/zero,
// "directory" a directory, "huge" a sparse file of a tebibyte. A reader that blocked on the
// first, or took either of the last two whole, would never come back.
inline bool makeHostileFile(const QString& path, const QString& kind) {
    if (kind == u"pipe")
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == u"zero")
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == u"directory")
        return QDir().mkdir(path);
    if (kind == u"huge") {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.resize(qint64(1) << 40);
    }
    unknownWord(QStringLiteral("kind of file"), kind);
}

// What stands at `path`, judged without opening it: the type and size of what a link points at.
inline QString fileShape(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return QStringLiteral("missing");
    return QStringLiteral("mode %1, %2 bytes").arg(info.st_mode & S_IFMT).arg(info.st_size);
}
