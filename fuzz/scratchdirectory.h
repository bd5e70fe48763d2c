// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// The one data directory every fuzz run of this process uses. Making a fresh directory per
// input would cost more than the input itself; clearing it keeps damaged copies, pages and
// lock files of one input from reaching the next or filling the disk.
class ScratchDirectory {
public:
    // Created on first use under the system's temporary directory; removed at process exit.
    static ScratchDirectory& instance();

    QString path() const { return m_directory.path(); }
    // Removes everything the last input left behind.
    void clear() const;
    // Puts `bytes` in the named file, which must not exist yet.
    void put(const QString& fileName, const QByteArray& bytes) const;

private:
    ScratchDirectory();

    QTemporaryDir m_directory;
};
