// SPDX-License-Identifier: MIT
#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

// The fields of one line of a table or scenario in tests/data: split on spaces; a field in
// double quotes may hold spaces ("" is empty, and """ inside it stands for one quote).
inline QStringList tableFields(const QString& line) {
    // Not a raw string: moc's preprocessor cannot read one inside a macro.
    static const QRegularExpression field(QStringLiteral("\"((?:[^\"]|\"\"\")*)\"|(\\S+)"));
    QStringList fields;
    for (const auto& match : field.globalMatch(line))
        fields << (match.hasCaptured(1)
                       ? match.captured(1).replace(QStringLiteral("\"\"\""), QStringLiteral("\""))
                       : match.captured(2));
    return fields;
}

// The lines of a file in tests/data, a line's fields each; blank lines and lines starting with
// '#' are skipped.
inline QList<QStringList> tableRows(const QString& name) {
    QFile file(QStringLiteral(GRIDLARK_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the test table %s", qPrintable(file.fileName()));
    QList<QStringList> rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            rows << tableFields(line);
    }
    return rows;
}

// Makes a table the data of a QTest function: its first line names the columns, each a QString,
// and each further line is a row, named by its fields.
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
