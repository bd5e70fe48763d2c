// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// Whole-file reads and atomic replacement, with the system's reason on failure.
struct ReadResult {
    QByteArray bytes;
    QString error; // empty on success; a missing file reads as empty
};

ReadResult readWholeFile(const QString& path);

// Creates an empty file where none exists; an existing file is left alone.
QString createIfMissing(const QString& path);

// Replaces the file with `bytes` through a temporary file flushed to disk and renamed over
// it, so a crash leaves either the old file or the new one. Returns the failure, or empty.
QString replaceFile(const QString& path, const QByteArray& bytes);

// Removes the file if it exists. Returns the failure, or empty.
QString removeFile(const QString& path);

// Copies the file to a new name beside it that does not exist yet; returns that name, or
// nullopt with `error` set.
std::optional<QString> keepCopy(const QString& path, const QString& suffix, QString& error);

// A seam for tests: when set, called before every write with the path; a non-empty result
// makes that write fail with it as the reason.
using WriteFault = std::function<QString(const QString& path)>;
void setWriteFault(WriteFault fault);
