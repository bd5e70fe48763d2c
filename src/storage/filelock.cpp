// SPDX-License-Identifier: MIT
#include "storage/filelock.h"

namespace {
constexpr int waitMs = 15000;
}

FileLock::FileLock(const QString& path) : m_lock(path + QStringLiteral(".lock")) {
    if (m_lock.tryLock(waitMs))
        return;
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        m_error = QStringLiteral("another copy of Gridlark kept it locked");
        break;
    case QLockFile::PermissionError:
        m_error = QStringLiteral("its lock file %1.lock cannot be created").arg(path);
        break;
    default:
        m_error = QStringLiteral("its lock file %1.lock could not be used").arg(path);
        break;
    }
}
