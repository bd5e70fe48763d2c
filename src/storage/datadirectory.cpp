// SPDX-License-Identifier: MIT
#include "storage/datadirectory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>
#include <unistd.h>

namespace {

// The system's reason why the directory cannot be written, or empty. Asked of the directory
// itself: root passes every permission bit, yet not a read-only file system (EROFS) nor an
// immutable directory (EPERM).
QString writeRefusal(const QString& directory) {
    if (::access(QFile::encodeName(directory).constData(), W_OK) == 0)
        return {};
    return qt_error_string(errno);
}

} // namespace

bool isSystemDirectory(const QString& directory) {
    const QString clean = QDir::cleanPath(QDir(directory).absolutePath());
    for (const char* root : {"/usr", "/bin", "/sbin", "/opt"}) {
        const QString prefix = QString::fromLatin1(root);
        if (clean == prefix || clean.startsWith(prefix + u'/'))
            return true;
    }
    return false;
}

QStringList careerFilesIn(const QString& directory) {
    QStringList files;
    for (const QString& name : {QStringLiteral("gdk.dat"), QStringLiteral("gdk.rec")})
        if (QFileInfo::exists(QDir(directory).filePath(name)))
            files << name;
    return files;
}

QString playerDataDirectory() {
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString chooseDataDirectory(const QString& executableDirectory) {
    if (!isSystemDirectory(executableDirectory) && (!careerFilesIn(executableDirectory).isEmpty() ||
                                                    writeRefusal(executableDirectory).isEmpty()))
        return executableDirectory;
    return playerDataDirectory();
}

QString directoryWriteProblem(const QString& directory) {
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(directory).toStdString(), error);
    if (error)
        return QString::fromLocal8Bit(error.message());
    return writeRefusal(directory);
}

QString shownDirectory(const QString& directory) {
    return QDir::toNativeSeparators(QDir::cleanPath(directory));
}
