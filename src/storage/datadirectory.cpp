// SPDX-License-Identifier: MIT
#include "storage/datadirectory.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

bool isSystemDirectory(const QString& directory) {
    const QString clean = QDir::cleanPath(QDir(directory).absolutePath());
    for (const char* root : {"/usr", "/bin", "/sbin", "/opt"}) {
        const QString prefix = QString::fromLatin1(root);
        if (clean == prefix || clean.startsWith(prefix + u'/'))
            return true;
    }
    return false;
}

QString chooseDataDirectory(const QString& executableDirectory) {
    if (!isSystemDirectory(executableDirectory)) {
        QTemporaryFile probe(QDir(executableDirectory).filePath(QStringLiteral("gridlark-XXXXXX")));
        if (probe.open())
            return executableDirectory;
    }
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(own);
    return own;
}

QString shownDirectory(const QString& directory) {
    return QDir::toNativeSeparators(QDir::cleanPath(directory));
}
