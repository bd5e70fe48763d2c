// SPDX-License-Identifier: MIT
#pragma once

#include "storage/filestore.h"
#include "storage/result.h"

#include <QLockFile>
#include <QString>

// The exclusive lock of one career file; underLock is its one user.
class FileLock {
public:
    explicit FileLock(const QString& path);
    // Fails with why the lock could not be had.
    const Result<>& held() const { return m_held; }

private:
    QLockFile m_lock;
    Result<> m_held;
};

// Runs `change` holding the lock of the career file at `path`, from its read to its
// replacement, so that two copies of the game on one directory never lose each other's games.
// The lock is released when this returns, and a change has no messenger: what it has to tell
// the player comes back in its result, to be shown by the caller once no lock is held, so that
// no other copy of the game waits behind a box that nobody has answered. When the lock cannot
// be had, the failure names the file and says why, after `before`.
template <typename Change>
auto underLock(const QString& path, const Change& change, const QString& before = {})
    -> decltype(change()) {
    const FileLock lock(path);
    if (!lock.held().ok())
        return Failure{failureText(path, before + lock.held().failure().text)};
    return change();
}
