// SPDX-License-Identifier: MIT
#include "scratchdirectory.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace {

// The directory is the harness's own: if it cannot be used, no input can be judged.
[[noreturn]] void fail(const char* what, const QString& path) {
    std::fprintf(stderr, "careerfiles: %s %s\n", what, qPrintable(path));
    std::abort();
}

} // namespace

ScratchDirectory& ScratchDirectory::instance() {
    static ScratchDirectory directory;
    return directory;
}

ScratchDirectory::ScratchDirectory()
    : m_directory(QDir::tempPath() + QStringLiteral("/gridlark-careerfiles-XXXXXX")) {
    if (!m_directory.isValid())
        fail("cannot make a directory in", QDir::tempPath());
}

void ScratchDirectory::clear() const {
    QDir directory(path());
    const QStringList names =
        directory.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names)
        if (!directory.remove(name))
            fail("cannot remove", directory.filePath(name));
}

void ScratchDirectory::put(const QString& fileName, const QByteArray& bytes) const {
    QFile file(QDir(path()).filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size())
        fail("cannot write", file.fileName());
}
