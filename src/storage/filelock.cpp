// SPDX-License-Identifier: MIT
#include "storage/filelock.h"

#include <cerrno>

namespace {
constexpr int waitMs = 15000;
// A lock file left behind (a copy killed before writing its details into it, or whose removal
// failed) is taken over once it is this old. A live holder keeps a system lock on the file
// for as long as it holds it, so even an old file of a holder at work is never taken.
constexpr int staleMs = 1000;
} // namespace

FileLock::FileLock(const QString& path) : m_lock(path + QStringLiteral(".lock")) {
    m_lock.setStaleLockTime(staleMs);
    if (m_lock.tryLock(waitMs))
        return;
    // QLockFile gives up at the first failed call and keeps no reason; that call's is in errno.
    const int reason = errno;
    QString why;
    switch (m_lock.error()) {
    case QLockFile::LockFailedError:
        m_held = Failure{QStringLiteral("another copy of Gridlark kept it locked")};
        return;
    case QLockFile::PermissionError:
        why = QStringLiteral("its lock file %1.lock cannot be created").arg(path);
        break;
    default:
        why = QStringLiteral("its lock file %1.lock could not be used").arg(path);
        break;
    }
    if (reason != 0)
        why += QStringLiteral(" (%1)").arg(qt_error_string(reason));
    m_held = Failure{why};
}
