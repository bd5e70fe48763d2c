// SPDX-License-Identifier: MIT
#include "storage/datadirectory.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

QString chooseDataDirectory(const QString& executableDirectory) {
    QTemporaryFile probe(QDir(executableDirectory).filePath(QStringLiteral("gridlark-XXXXXX")));
    if (probe.open())
        return executableDirectory;
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(own);
    return own;
}
