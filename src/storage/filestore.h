// SPDX-License-Identifier: MIT
#pragma once

#include "storage/result.h"

#include <QByteArray>
#include <QString>
#include <functional>

// Bounded reads of regular files and atomic replacement, with the system's reason on failure.

// Reads a regular file, never more than `limit` + 1 bytes of it (one byte more tells a longer
// file), so that no file put in the player's folder can exhaust memory; a missing file reads as
// empty. Anything else (a pipe, a device, a directory, a socket; a link is judged by what it
// points at) is refused without blocking and without being read.
Result<QByteArray> readUpTo(const QString& path, qint64 limit);

// A failure as the player is told it: "<path>: <reason>", the path as the system writes it.
QString failureText(const QString& path, const QString& reason);

// Creates an empty file where none exists; an existing file is left alone. Only tried: where
// nothing can be created the file simply stays missing.
void createIfMissing(const QString& path);

// The one way a career file or the page is replaced: the bytes go to a temporary file in one
// checked write, which is flushed to disk and checked, renamed over the old file, and then the
// directory itself is flushed so that the new name survives a power cut. Any failing step
// leaves the old file whole (a failed directory flush puts the old content back). The old file
// is read for that with readUpTo(`limit`): one that is no regular file is refused, and one that
// is longer is not put back.
// A failure is told as failureText tells it.
Result<> replaceFile(const QString& path, const QByteArray& bytes, qint64 limit);

// Removes the file if it exists; a failure is told as failureText tells it.
Result<> removeFile(const QString& path);

// Keeps the file under a new name beside it that does not exist yet, as a second hard link to
// it, so that nothing is read or copied whatever its size; where the file system has no hard
// links, `bytes` (what was read of it) are written there instead. Returns that name; a failure
// is the system's reason alone.
Result<QString> keepAside(const QString& path, const QString& suffix, const QByteArray& bytes);

// The steps of a replacement that tests can fail or trace; each system call of it failing in
// turn is the fault-point test's.
enum class FileStep { Open, Rename, DirectoryFlush };

// A seam for tests: when set, called before each of those steps with the path it works on; a
// non-empty result makes that step fail with it as the reason.
using FileFault = std::function<QString(const QString& path, FileStep step)>;
void setFileFault(FileFault fault);
