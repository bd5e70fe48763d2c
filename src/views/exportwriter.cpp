// SPDX-License-Identifier: MIT
#include "views/exportwriter.h"

#include "storage/datadirectory.h"
#include "storage/filestore.h"
#include "views/exportpage.h"

#include <QDir>

namespace {

const QString notSaved = QStringLiteral("File Not Saved");
// Far more than the page of the longest career and name: a longer file there is not the game's
// page, and is not read to be put back should the new page fail.
constexpr qint64 longestPage = 4 * 1024 * 1024;

QByteArray pageBytes(const QStringList& lines) {
    // The page is escaped to ASCII, so Latin-1 loses nothing and any reader agrees.
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

} // namespace

Message runExport(const QString& dataDirectory, const std::vector<SeasonStats>& seasons,
                  const CareerRecords& records, const QString& name, const QString& point) {
    const QString path = QDir(dataDirectory).filePath(QString::fromLatin1(exportFileName));
    const Result<> written =
        replaceFile(path, pageBytes(exportPageLines(seasons, records, name, point)), longestPage);
    if (!written.ok())
        return {Message::Kind::Warning, notSaved,
                QStringLiteral("The career page could not be saved to ") + written.failure().text};
    return {Message::Kind::Information, QStringLiteral("File Saved"),
            QStringLiteral("gdk.html saved to ") + shownDirectory(dataDirectory)};
}

Message exportCareer(CareerArchive& archive, const QString& name, const QString& point) {
    const Result<StoredCareer> career = archive.readCareer();
    if (!career.ok())
        return {Message::Kind::Warning, notSaved,
                QStringLiteral("The career page was not written, as the career could not be "
                               "read:\n") +
                    career.failure().text};
    return runExport(archive.dataDirectory(), career.value().seasons, career.value().records, name,
                     point);
}
