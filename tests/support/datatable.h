// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <utility>

// The one quoting rule of every file in tests/data: a line's fields are split on spaces, and a
// field is a word or `name=value`. A word or a value in double quotes may hold spaces; inside
// the quotes \" stands for a quote and \\ for a backslash ("" is empty). Each field is given as
// its name (empty for a word) and its value.
inline QList<std::pair<QString, QString>> tableLine(const QString& line) {
    // Not a raw string: moc's preprocessor cannot read one inside a macro.
    static const QRegularExpression field(
        QStringLiteral("(?:([A-Za-z][\\w:.]*)=)?(?:\"((?:[^\"\\\\]|\\\\.)*)\"|(\\S+))"));
    static const QRegularExpression escape(QStringLiteral("\\\\(.)"));
    QList<std::pair<QString, QString>> fields;
    for (const auto& match : field.globalMatch(line)) // a value is quoted or not
        fields.emplace_back(match.captured(1),
                            match.captured(2).replace(escape, "\\1") + match.captured(3));
    return fields;
}

// The file in tests/data read last, named when one of its words is not understood.
inline QString& tableInUse() {
    static QString name;
    return name;
}

// Stops the run on a word of a test table that no reader knows, so that a mistyped rule never
// passes for another.
[[noreturn]] inline void unknownWord(const QString& kind, const QString& word) {
    qFatal("%s: no such %s: \"%s\"", qPrintable(tableInUse()), qPrintable(kind), qPrintable(word));
}

// A field that must be a whole number.
inline int tableInt(const QString& field) {
    bool ok = false;
    const int value = field.toInt(&ok);
    if (!ok)
        unknownWord(QStringLiteral("whole number"), field);
    return value;
}

// A field that must be a number.
inline double tableDouble(const QString& field) {
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok)
        unknownWord(QStringLiteral("number"), field);
    return value;
}

// Where `word` stands among the words a column or step allows.
inline qsizetype tableChoice(const QStringList& words, const QString& kind, const QString& word) {
    const qsizetype at = words.indexOf(word);
    if (at < 0)
        unknownWord(kind, word);
    return at;
}

// A column that reads "yes" or "no".
inline bool tableYes(const QString& field) {
    return tableChoice({QStringLiteral("no"), QStringLiteral("yes")}, QStringLiteral("yes or no"),
                       field) == 1;
}

// The lines of a file in tests/data as written; blank lines and lines starting with '#' are
// skipped.
inline QStringList tableLines(const QString& name) {
    tableInUse() = name;
    QFile file(QStringLiteral(GRIDLARK_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read the test table %s", qPrintable(file.fileName()));
    QStringList lines;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n'))
        if (const QString text = line.trimmed(); !text.isEmpty() && !text.startsWith(u'#'))
            lines << text;
    return lines;
}

// The lines of a file in tests/data, a line's fields each, a named one as name=value.
inline QList<QStringList> tableRows(const QString& name) {
    QList<QStringList> rows;
    for (const QString& line : tableLines(name)) {
        QStringList& row = rows.emplace_back();
        for (const auto& [field, value] : tableLine(line))
            row << (field.isEmpty() ? value : field + u'=' + value);
    }
    return rows;
}

// A line of steps or of a scenario: its words in order, and its named fields, which a reader
// takes by name.
struct TableStep {
    QStringList words;
    QMap<QString, QString> named;

    explicit TableStep(const QString& line) {
        for (const auto& [name, value] : tableLine(line))
            if (name.isEmpty())
                words << value;
            else
                named.insert(name, value);
    }
    // Stops the run on a named field that the reader of this line does not take.
    void allow(const QStringList& names) const {
        for (const QString& name : named.keys())
            if (!names.contains(name))
                unknownWord(QStringLiteral("field of \"%1\"").arg(words.value(0)), name);
    }
};

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

// Makes each *.txt file of a folder in tests/data a row of a QTest function's data, in a column
// `file` holding its name inside tests/data.
inline void addFileRows(const QString& folder) {
    QTest::addColumn<QString>("file");
    const QDir files(QStringLiteral(GRIDLARK_TEST_DATA "/") + folder);
    for (const QString& name : files.entryList({QStringLiteral("*.txt")}))
        QTest::newRow(qPrintable(name)) << folder + u'/' + name;
}
