// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QString>

// Holds the exclusive lock of one career file from its read to its replacement, so that two
// copies of the game on one directory never lose each other's games.
class FileLock {
public:
    explicit FileLock(const QString& path);
    // Empty when the lock is held, else why it could not be had.
    const QString& error() const { return m_error; }

private:
    QLockFile m_lock;
    QString m_error;
};
