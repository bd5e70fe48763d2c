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
    void aFailedLineLeavesThePreviousPageWhole();
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

void ExportWriterTest::aFailedLineLeavesThePreviousPageWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gdk.html"));
    QVERIFY(runExport(dir.path(), {}, {}, QStringLiteral("Old"), QStringLiteral(".")).saved);
    const QByteArray before = contents(path);
    for (const qsizetype failingLine : {qsizetype{0}, qsizetype{50}, qsizetype{108}}) {
        const ExportOutcome outcome = runExport(
            dir.path(), {playedSeason()}, {}, QStringLiteral("New"), QStringLiteral("."),
            [failingLine](qsizetype line) {
                return line == failingLine ? QStringLiteral("No space left on device") : QString();
            });
        QVERIFY(!outcome.saved);
        QCOMPARE(outcome.title, QStringLiteral("File Not Saved"));
        QVERIFY(outcome.text.contains(path));
        QVERIFY(outcome.text.contains(QStringLiteral("No space left on device")));
        QVERIFY(!outcome.text.contains(QStringLiteral("gdk.html saved to")));
        QCOMPARE(contents(path), before);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("gdk.html")});
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
