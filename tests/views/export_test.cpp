// SPDX-License-Identifier: MIT
// The exported page: its cells by the worked examples, the name written safely, and the file
// written only whole and only from a career that could be read. A whole career's page is pinned
// by the career test.
#include "support/filebytes.h"
#include "support/recordingmessenger.h"
#include "support/seasonbuilder.h"

#include "storage/filecareer.h"
#include "storage/seasoncodec.h"
#include "views/exportpage.h"
#include "views/exportwriter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The value texts of season row `row` (0-based) of a page.
QStringList rowValues(const QStringList& page, qsizetype row) {
    QStringList values;
    const qsizetype first = 21 + row * 16 + 1;
    for (qsizetype i = first; i < first + 14; ++i)
        values << QString(page[i])
                      .remove(QStringLiteral("<td><div align=center>"))
                      .remove(QStringLiteral("</div></td>"));
    return values;
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT
private slots:
    void anEmptyCareerWithoutANameIsItsPinnedPage();
    void aSeasonRowReadsItsCountsAndRatings_data();
    void aSeasonRowReadsItsCountsAndRatings();
    void quotientsFollowTheirRules_data();
    void quotientsFollowTheirRules();
    void unplayedRecordsAreNeitherListedNorTotalled();
    void aHostileNameCannotBreakThePage();
    void aCareerThatCannotBeReadWritesNoPage_data();
    void aCareerThatCannotBeReadWritesNoPage();
    void aDirectoryWhereThePageShouldBeIsReported();
};

void ExportTest::anEmptyCareerWithoutANameIsItsPinnedPage() {
    QTemporaryDir dir;
    const ExportOutcome outcome = runExport(dir.path() + u'/', {}, {}, {}, QStringLiteral("."));
    QCOMPARE(outcome.title, QStringLiteral("File Saved"));
    QCOMPARE(outcome.text, QStringLiteral("gdk.html saved to ") + dir.path());
    const QByteArray page = contents(dir.filePath(QStringLiteral("gdk.html")));
    QCOMPARE(page, contents(QStringLiteral(GRIDLARK_PINNED_DIR "/empty-career.html")));
    // Exporting again overwrites the page with the same bytes.
    QVERIFY(runExport(dir.path(), {}, {}, {}, QStringLiteral(".")).saved);
    QCOMPARE(contents(dir.filePath(QStringLiteral("gdk.html"))), page);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("gdk.html")});
}

void ExportTest::aSeasonRowReadsItsCountsAndRatings_data() {
    QTest::addColumn<QString>("point");
    QTest::addColumn<QStringList>("values");
    // 20 of 32 for 250 yards, 2 TD, 1 INT, all of them medium passes: no short pass was thrown.
    QTest::newRow("point") << QStringLiteral(".")
                           << QStringList{"1", "16", "20",    "32", "62.5",  "250", "7.8",
                                          "2", "1",  "94.53", "0",  "94.53", "0",   "0"};
    QTest::newRow("comma") << QStringLiteral(",")
                           << QStringList{"1", "16", "20",    "32", "62,5",  "250", "7,8",
                                          "2", "1",  "94,53", "0",  "94,53", "0",   "0"};
}

void ExportTest::aSeasonRowReadsItsCountsAndRatings() {
    QFETCH(QString, point);
    QFETCH(QStringList, values);
    SeasonStats s = season(1, 16, 20, 32, 250, 2, 1);
    s.MediumAtt = 32;
    s.MediumComp = 20;
    s.MediumYds = 250;
    s.MediumTD = 2;
    s.MediumInt = 1;
    const QStringList page = exportPageLines({s}, {}, QStringLiteral("Sam"), point);
    QCOMPARE(page.size(), 93 + 16);
    QCOMPARE(page[21], QStringLiteral("<tr bgcolor=#CCCCCC>"));
    QCOMPARE(rowValues(page, 0), values);
    // The career row of a one-season career repeats the season, with "Career" in front.
    QCOMPARE(page[37], QStringLiteral("<tr bgcolor=#00CC33>"));
    values[0] = QStringLiteral("Career");
    QCOMPARE(rowValues(page, 1), values);
}

void ExportTest::quotientsFollowTheirRules_data() {
    QTest::addColumn<int>("comp");
    QTest::addColumn<int>("att");
    QTest::addColumn<int>("yds");
    QTest::addColumn<QString>("pct");
    QTest::addColumn<QString>("avg");
    QTest::newRow("whole percentage") << 16 << 32 << 12 << "50"
                                      << ".4";
    QTest::newRow("below one keeps its zero") << 1 << 300 << 0 << "0.3"
                                              << ".0";
    QTest::newRow("whole average keeps one place") << 15 << 30 << 360 << "50"
                                                   << "12.0";
    QTest::newRow("all completed") << 30 << 30 << 300 << "100"
                                   << "10.0";
    QTest::newRow("no completion") << 0 << 10 << -4 << "0"
                                   << "-.4";
    QTest::newRow("no attempt writes zeros") << 0 << 0 << 0 << "0"
                                             << "0";
}

void ExportTest::quotientsFollowTheirRules() {
    QFETCH(int, comp);
    QFETCH(int, att);
    QFETCH(int, yds);
    QFETCH(QString, pct);
    QFETCH(QString, avg);
    const QStringList values = rowValues(
        exportPageLines({season(1, 1, comp, att, yds)}, {}, QString(), QStringLiteral(".")), 0);
    QCOMPARE(values[4], pct);
    QCOMPARE(values[6], avg);
}

void ExportTest::unplayedRecordsAreNeitherListedNorTotalled() {
    const QStringList page = exportPageLines({season(1, 16, 20, 32, 250), season(2, 0, 5, 9, 40),
                                              season(3, -1, 7, 7, 70), season(4, 2, 10, 20, 100)},
                                             {}, QString(), QStringLiteral("."));
    QCOMPARE(page.size(), 93 + 2 * 16);
    QCOMPARE(rowValues(page, 1)[0], QStringLiteral("4"));
    QCOMPARE(rowValues(page, 2).mid(0, 7),
             (QStringList{"Career", "18", "30", "52", "57.7", "350", "6.7"}));
}

void ExportTest::aHostileNameCannotBreakThePage() {
    const QString name = QStringLiteral("<script>alert(\"Jos\u00e9's\")</script> & Ren\u00e9e\r\n");
    const QStringList page = exportPageLines({}, {}, name, QStringLiteral("."));
    const QString escaped = QStringLiteral("&lt;script&gt;alert(&quot;Jos&#233;&#39;s&quot;)&lt;/"
                                           "script&gt; &amp; Ren&#233;e&#13;&#10;");
    QCOMPARE(page[0],
             QStringLiteral("<html><title>Gridlark Bio - ") + escaped + QStringLiteral("</title>"));
    QVERIFY(page[3].contains(QStringLiteral("mono>") + escaped + QStringLiteral(" | QB<")));
    QCOMPARE(page.size(), 93);
}

void ExportTest::aCareerThatCannotBeReadWritesNoPage_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // empty: a directory stands where the file should
    QTest::addColumn<QString>("reason");
    QTest::newRow("seasons damaged")
        << QStringLiteral("gdk.dat") << encodeSeason(season(1, 16, 20, 32, 250)) + "xy"
        << QStringLiteral("112 bytes");
    QTest::newRow("records damaged")
        << QStringLiteral("gdk.rec") << QByteArray(52, '\xff') << QStringLiteral("impossible");
    QTest::newRow("seasons unreadable")
        << QStringLiteral("gdk.dat") << QByteArray() << QStringLiteral("is a directory");
    QTest::newRow("records unreadable")
        << QStringLiteral("gdk.rec") << QByteArray() << QStringLiteral("is a directory");
}

void ExportTest::aCareerThatCannotBeReadWritesNoPage() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString page = dir.filePath(QStringLiteral("gdk.html"));
    write(page, "<p>an earlier page</p>\r\n");
    if (bytes.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(file));
    else
        write(dir.filePath(file), bytes);
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    const ExportOutcome outcome = exportCareer(career, QStringLiteral("Sam"), QStringLiteral("."));
    QVERIFY(!outcome.saved);
    QCOMPARE(outcome.title, QStringLiteral("File Not Saved"));
    QVERIFY2(outcome.text.contains(dir.filePath(file) + QStringLiteral(": ")) &&
                 outcome.text.contains(reason),
             qPrintable(outcome.text));
    QCOMPARE(contents(page), QByteArray("<p>an earlier page</p>\r\n"));
    QVERIFY(messenger.messages().isEmpty());
    QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("*.damaged-*")}), QStringList());
}

void ExportTest::aDirectoryWhereThePageShouldBeIsReported() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gdk.html")));
    const ExportOutcome outcome = runExport(dir.path(), {}, {}, QString(), QStringLiteral("."));
    QVERIFY(!outcome.saved);
    QVERIFY(outcome.text.contains(dir.filePath(QStringLiteral("gdk.html")) + QStringLiteral(": ")));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("gdk.html"))).isDir());
}

QTEST_GUILESS_MAIN(ExportTest)
#include "export_test.moc"
