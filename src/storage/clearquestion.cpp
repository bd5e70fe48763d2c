// SPDX-License-Identifier: MIT
#include "storage/clearquestion.h"

#include "storage/datadirectory.h"
#include "storage/seasoncodec.h"

#include <QDir>
#include <QFileInfo>

QString clearCareerQuestion(const QString& dataDirectory) {
    // Counted from the size alone, so that nothing is read; whatever is not a regular file
    // holds no season.
    const QFileInfo seasons(QDir(dataDirectory).filePath(QStringLiteral("gdk.dat")));
    const qint64 count = seasons.isFile() ? seasons.size() / SeasonRecordSize : 0;
    if (count == 0)
        return {};
    return QStringLiteral("Delete the %1 seasons of your career in %2/gdk.dat? Your records in "
                          "gdk.rec are kept. This cannot be undone.")
        .arg(count)
        .arg(shownDirectory(dataDirectory));
}
