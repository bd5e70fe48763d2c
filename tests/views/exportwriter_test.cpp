// SPDX-License-Identifier: MIT
#include "support/filebytes.h"
#include "support/recordingmessenger.h"

#include "storage/filecareer.h"
#include "storage/seasoncodec.h"
#include "views/exportpage.h"
#include "views/exportwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

SeasonStats playedSeason() {
    SeasonStats s;
    s.Season = 1;
    s.Games = 16;
    s.Comp = 20;
    s.Att = 32;
    s.Yds = 250;
    return s;
}

} // namespace

class ExportWriterTest : public QObject {
    Q_OBJECT
private slots:
    void everyLineEndsInCarriageReturnLineFeed();
    void exportingTwiceGivesTheSameBytes();
    void theConfirmationNamesTheDirectory();
    void aCareerThatCannotBeReadWritesNoPage_data();
    void aCareerThatCannotBeReadWritesNoPage();
    void aDirectoryWhereThePageShouldBeIsReported();
    void theCareerIsReadFromItsFiles();
};

void ExportWriterTest::everyLineEndsInCarriageReturnLineFeed() {
    QTemporaryDir dir;
    const ExportOutcome outcome =
        runExport(dir.path(), {playedSeason()}, {}, QStringLiteral("Sam"), QStringLiteral("."));
    QVERIFY(outcome.saved);
    const QByteArray page = contents(dir.filePath(QStringLiteral("gdk.html")));
    QCOMPARE(page.count("\r\n"), 93 + 16);
    QCOMPARE(page.count('\n'), 93 + 16);
    QCOMPARE(page.count('\r'), 93 + 16);
    QVERIFY(page.endsWith("</body></html>\r\n"));
    QVERIFY(page.startsWith("<html><title>Gridlark Bio - Sam</title>\r\n"));
}

void ExportWriterTest::exportingTwiceGivesTheSameBytes() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gdk.html"));
    QVERIFY(runExport(dir.path(), {playedSeason()}, {}, QStringLiteral("Sam"), QStringLiteral("."))
                .saved);
    const QByteArray first = contents(path);
    QVERIFY(runExport(dir.path(), {playedSeason()}, {}, QStringLiteral("Sam"), QStringLiteral("."))
                .saved);
    QCOMPARE(contents(path), first);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("gdk.html")});
}

void ExportWriterTest::theConfirmationNamesTheDirectory() {
    QTemporaryDir dir;
    const ExportOutcome outcome =
        runExport(dir.path() + u'/', {}, {}, QString(), QStringLiteral("."));
    QCOMPARE(outcome.title, QStringLiteral("File Saved"));
    QCOMPARE(outcome.text, QStringLiteral("gdk.html saved to ") + dir.path());
}

void ExportWriterTest::aCareerThatCannotBeReadWritesNoPage_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // empty: a directory stands where the file should
    QTest::addColumn<QString>("reason");
    QTest::newRow("seasons damaged")
        << QStringLiteral("gdk.dat") << encodeSeason(playedSeason()) + "xy"
        << QStringLiteral("112 bytes");
    QTest::newRow("records damaged")
        << QStringLiteral("gdk.rec") << QByteArray(52, '\xff') << QStringLiteral("impossible");
    QTest::newRow("seasons unreadable")
        << QStringLiteral("gdk.dat") << QByteArray() << QStringLiteral("is a directory");
    QTest::newRow("records unreadable")
        << QStringLiteral("gdk.rec") << QByteArray() << QStringLiteral("is a directory");
}

void ExportWriterTest::aCareerThatCannotBeReadWritesNoPage() {
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

void ExportWriterTest::aDirectoryWhereThePageShouldBeIsReported() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gdk.html")));
    const ExportOutcome outcome = runExport(dir.path(), {}, {}, QString(), QStringLiteral("."));
    QVERIFY(!outcome.saved);
    QVERIFY(outcome.text.contains(dir.filePath(QStringLiteral("gdk.html"))));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("gdk.html"))).isDir());
}

void ExportWriterTest::theCareerIsReadFromItsFiles() {
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    QFile seasons(career.seasonsPath());
    QVERIFY(seasons.open(QIODevice::WriteOnly));
    seasons.write(encodeSeason(playedSeason()));
    seasons.close();
    const ExportOutcome outcome = exportCareer(career, QStringLiteral("Sam"), QStringLiteral("."));
    QVERIFY(outcome.saved);
    const QStringList expected =
        exportPageLines({playedSeason()}, {}, QStringLiteral("Sam"), QStringLiteral("."));
    QCOMPARE(contents(dir.filePath(QStringLiteral("gdk.html"))),
             expected.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
    QVERIFY(QFile::exists(career.recordsPath())); // the missing records file is made empty
    QVERIFY(messenger.messages().isEmpty());
}

QTEST_GUILESS_MAIN(ExportWriterTest)
#include "exportwriter_test.moc"
