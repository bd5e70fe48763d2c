// SPDX-License-Identifier: MIT
#include "views/exportwriter.h"

#include "views/exportpage.h"

#include <QDir>
#include <QSaveFile>

namespace {

QString failure(const QString& path, const QString& reason) {
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

// The directory as the player should read it: clean, native, no trailing separator.
QString shownDirectory(const QString& dataDirectory) {
    return QDir::toNativeSeparators(QDir::cleanPath(dataDirectory));
}

} // namespace

QString writePageLines(const QString& path, const QStringList& lines, const PageWriteFault& fault) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, file.errorString());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString injected = fault ? fault(i) : QString();
        if (!injected.isEmpty()) {
            file.cancelWriting();
            return failure(path, injected);
        }
        // The page is escaped to ASCII, so Latin-1 loses nothing and any reader agrees.
        file.write(lines[i].toLatin1());
        file.write("\r\n", 2);
    }
    // A failed write is remembered by QSaveFile and makes commit() fail with its reason.
    if (!file.commit())
        return failure(path, file.errorString());
    return {};
}

ExportOutcome runExport(const QString& dataDirectory, const std::vector<SeasonStats>& seasons,
                        const CareerRecords& records, const QString& name, const QString& point,
                        const PageWriteFault& fault) {
    const QString path = QDir(dataDirectory).filePath(QString::fromLatin1(exportFileName));
    const QString error =
        writePageLines(path, exportPageLines(seasons, records, name, point), fault);
    if (!error.isEmpty())
        return {false, QStringLiteral("File Not Saved"),
                QStringLiteral("The career page could not be saved to ") + error};
    return {true, QStringLiteral("File Saved"),
            QStringLiteral("gdk.html saved to ") + shownDirectory(dataDirectory)};
}

ExportOutcome exportCareer(CareerArchive& archive, const QString& name, const QString& point) {
    const std::vector<SeasonStats> seasons = archive.loadSeasons();
    const CareerRecords records = archive.loadRecords();
    return runExport(archive.dataDirectory(), seasons, records, name, point);
}
