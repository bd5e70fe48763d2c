// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// Tables of cases kept as text in tests/data: a header line naming the columns, then a row a
// line. Fields are split on spaces; a field in double quotes may hold spaces ("" is empty).
// Blank lines and lines starting with '#' are skipped.
inline QList<QStringList> tableRows(const QString& name) {
    QFile file(QStringLiteral(GRIDLARK_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the test table %s", qPrintable(file.fileName()));
    // Not a raw string: moc's preprocessor cannot read one inside a macro.
    static const QRegularExpression field(QStringLiteral("\"([^\"]*)\"|(\\S+)"));
    QList<QStringList> rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList row;
        for (const auto& match : field.globalMatch(line))
            row << (match.hasCaptured(1) ? match.captured(1) : match.captured(2));
        rows << row;
    }
    return rows;
}

// Makes the table the data of a QTest function: each column a QString, each row named by the
// line it stands on.
inline void addTableRows(const QString& name) {
    const QList<QStringList> rows = tableRows(name);
    // The test library keeps the column's name pointer, not a copy.
    static QByteArrayList columnNames;
    for (const QString& column : rows.value(0)) {
        columnNames << column.toUtf8();
        QTest::addColumn<QString>(columnNames.last().constData());
    }
    for (qsizetype i = 1; i < rows.size(); ++i) {
        if (rows[i].size() != rows[0].size())
            qFatal("%s: row %lld has %lld fields, not %lld", qPrintable(name), qlonglong(i),
                   qlonglong(rows[i].size()), qlonglong(rows[0].size()));
        auto& row = QTest::newRow(qPrintable(rows[i].join(u' ')));
        for (const QString& value : rows[i])
            row << value;
    }
}
