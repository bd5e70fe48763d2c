// SPDX-License-Identifier: MIT
// The career files beyond what the pinned career shows: the record checks at their edges, kept
// bytes, damage, and saves that fail. Whole layouts and a career's progression are pinned by the
// career test.
#include "support/datatable.h"
#include "support/filebytes.h"
#include "support/recordingmessenger.h"

#include "play/gamestate.h"
#include "storage/damage.h"
#include "storage/filecareer.h"
#include "storage/filestore.h"
#include "storage/recordchecks.h"
#include "storage/recordscodec.h"
#include "storage/seasoncodec.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

const GameState aGame{.GameAttempts = 30,
                      .GameCompletions = 20,
                      .GameYards = 250,
                      .GameTDs = 2,
                      .GameINTs = 1,
                      .LongestInRow = 6,
                      .GameShortAttempts = 5,
                      .GameLongAttempts = 25,
                      .GameBlitzINTs = 1};

QString recordsText(const CareerRecords& r) {
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10")
        .arg(r.MostGameYds)
        .arg(r.MostGameTD)
        .arg(r.MostGameInt)
        .arg(r.MostInRow)
        .arg(r.BestGameCompPct.tenThousandths)
        .arg(r.MostSeasonYds)
        .arg(r.MostSeasonTD)
        .arg(r.LeastSeasonInt)
        .arg(r.BestSeasonCompPct.tenThousandths)
        .arg(r.BestSeasonRating.tenThousandths);
}

// The bytes a row of damaged-files.txt describes.
QByteArray fileOf(const QString& recipe) {
    QByteArray bytes;
    for (const QString& step : recipe.split(u' ', Qt::SkipEmptyParts)) {
        const int value = step.section(QRegularExpression(QStringLiteral("[:=+-]")), -1).toInt();
        if (step.startsWith(u'@')) {
            const auto v = qToLittleEndian<qint32>(step.section(u'=', 1).toInt());
            bytes.replace(step.mid(1).section(u'=', 0, 0).toInt(), 4,
                          QByteArray(reinterpret_cast<const char*>(&v), 4));
        } else if (step.startsWith(u'+')) {
            bytes += QByteArray(value, 'x');
        } else if (step.startsWith(u'-')) {
            bytes.chop(value);
        } else if (step.startsWith(QStringLiteral("records:"))) {
            CareerRecords records;
            records.MostGameYds = value;
            bytes += encodeRecords(records);
        } else {
            const auto n = static_cast<std::int32_t>(bytes.size() / SeasonRecordSize + 1);
            bytes += encodeSeason({.Season = n, .Games = value, .Att = 30 * value});
        }
    }
    return bytes;
}

struct CareerDir {
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career{dir.path(), messenger};
    QString dat() const { return career.seasonsPath(); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
};

} // namespace

class CareerFilesTest : public QObject {
    Q_OBJECT
private slots:
    void recordsFallOnlyToStrictlyBetter();
    void reservedBytesSurviveAnUpdate();
    void aDamagedFileIsToldKeptAndReadAsFarAsItCan_data() {
        addTableRows("storage/damaged-files.txt");
    }
    void aDamagedFileIsToldKeptAndReadAsFarAsItCan();
    void aFailedSaveIsOfferedAgainAndGivenUpWhole();
    void aDirectoryWhereTheFileShouldBeIsReported();
};

// The table's rows are one career: each is checked against the records the rows above left.
void CareerFilesTest::recordsFallOnlyToStrictlyBetter() {
    QList<QStringList> rows = tableRows(QStringLiteral("storage/record-checks.txt"));
    const QStringList header = rows.takeFirst();
    CareerRecords records;
    for (const QStringList& row : rows) {
        const auto at = [&](const char* column) { return row[header.indexOf(column)].toInt(); };
        const auto count = [&](const char* column) { return std::int16_t(at(column)); };
        if (row[0] == QStringLiteral("game")) {
            const GameState game{count("att"), count("comp"), count("yds"),
                                 count("td"),  count("int"),  count("row")};
            QCOMPARE(checkBestGame(game, records), row[header.indexOf("broken")] == "yes");
        } else {
            checkSeasonRecords({.Games = 16,
                                .Att = at("att"),
                                .Comp = at("comp"),
                                .Yds = at("yds"),
                                .TD = at("td"),
                                .Int = at("int")},
                               records);
        }
        QCOMPARE(recordsText(records), row.last());
    }
}

void CareerFilesTest::reservedBytesSurviveAnUpdate() {
    CareerDir c;
    write(c.dat(), encodeSeason({.Season = 1, .Games = 2, .Reserved = 0x7a5b}));
    QVERIFY(c.career.saveStats(aGame));
    const QByteArray bytes = contents(c.dat());
    QCOMPARE(bytes.size(), 110);
    QCOMPARE(bytes.first(12).toHex(), QByteArray("01000000"
                                                 "03000000"
                                                 "1e000000"));
    QCOMPARE(bytes.mid(28, 6).toHex(), QByteArray("5b7a"
                                                  "05000000")); // Reserved, ShortAtt
    QCOMPARE(bytes.mid(106).toHex(), QByteArray("01000000"));   // BlitzInt, the last
}

void CareerFilesTest::aDamagedFileIsToldKeptAndReadAsFarAsItCan() {
    QFETCH(QString, file);
    QFETCH(QString, bytes);
    QFETCH(QString, reader);
    QFETCH(QString, problem);
    CareerDir c;
    const QString path = c.dir.filePath(file);
    const QByteArray damaged = fileOf(bytes);
    write(path, damaged);
    GameState state;
    if (reader == QStringLiteral("open")) {
        QVERIFY(c.career.openStats(state));
        QTEST(QStringLiteral("season %1, %2 games, %3 attempts")
                  .arg(state.SeasonNumber)
                  .arg(state.SeasonGames)
                  .arg(state.SeasonAttempts),
              "reads");
    } else if (reader == QStringLiteral("peek")) {
        QTEST(QStringLiteral("%1 seasons").arg(c.career.peekSeasons().size()), "reads");
    } else {
        QTEST(QStringLiteral("%1 yards").arg(c.career.loadRecords().MostGameYds), "reads");
    }
    if (problem.isEmpty()) {
        QVERIFY2(c.messenger.messages().isEmpty(), qPrintable(c.messenger.titles().join(u',')));
        return;
    }
    QCOMPARE(c.messenger.titles(), QStringList{QStringLiteral("Damaged File")});
    QVERIFY(c.messenger.messages().front().text.startsWith(path + " is damaged: " + problem + '.'));
    if (reader == QStringLiteral("peek")) {
        QCOMPARE(contents(path), damaged);
        QCOMPARE(c.files(), QStringList{file});
        return;
    }
    const QStringList kept = QDir(c.dir.path()).entryList({file + QStringLiteral(".damaged-*")});
    QCOMPARE(kept.size(), 1);
    QCOMPARE(contents(c.dir.filePath(kept.front())), damaged);
    QVERIFY(readSeasonsContent(contents(c.dat())).problem.isEmpty());
    QVERIFY(readRecordsContent(contents(c.career.recordsPath())).problem.isEmpty());
    // Play goes on.
    QVERIFY(c.career.saveStats(aGame));
    c.career.checkBestGame(aGame);
    QCOMPARE(c.messenger.messages().size(), 1);
}

void CareerFilesTest::aFailedSaveIsOfferedAgainAndGivenUpWhole() {
    CareerDir c;
    QVERIFY(c.career.saveStats(aGame));
    QVERIFY(c.career.checkBestGame(aGame));
    const QByteArray seasons = contents(c.dat());
    const QByteArray records = contents(c.career.recordsPath());
    int failures = 3;
    setFileFault([&](const QString&, FileStep step) {
        return step == FileStep::Open && failures-- > 0 ? QStringLiteral("Input/output error")
                                                        : QString();
    });
    c.messenger.setRetries(1);
    QVERIFY(!c.career.saveStats(aGame));
    QCOMPARE(contents(c.dat()), seasons);
    QCOMPARE(contents(c.career.recordsPath()), records);
    c.messenger.setRetries(1);
    QVERIFY(c.career.saveStats(aGame));
    setFileFault({});
    QCOMPARE(decodeSeason(contents(c.dat())).Att, 60);
    const QList<RecordingMessenger::Message>& told = c.messenger.messages();
    QCOMPARE(c.messenger.titles(), QStringList(4, QStringLiteral("Game Not Saved")));
    QVERIFY(told[0].text.contains(c.dat() + QStringLiteral(": Input/output error")));
    QCOMPARE(told[2].kind, QStringLiteral("warn"));
    QVERIFY(told[2].text.contains(QStringLiteral("is as it was, and no record was checked")));
    QCOMPARE(told[3].kind, QStringLiteral("retry"));
}

void CareerFilesTest::aDirectoryWhereTheFileShouldBeIsReported() {
    CareerDir c;
    QVERIFY(QDir(c.dir.path()).mkdir(QStringLiteral("gdk.dat")));
    GameState state;
    QVERIFY(!c.career.openStats(state));
    QVERIFY(!c.career.saveStats(aGame));
    c.career.clearCareer();
    QCOMPARE(c.messenger.titles(), (QStringList{"Career Stats Not Read", "Game Not Saved",
                                                "Game Not Saved", "Career Not Cleared"}));
    for (const RecordingMessenger::Message& message : c.messenger.messages())
        QVERIFY2(message.text.contains(c.dat()), qPrintable(message.text));
    QVERIFY(QFileInfo(c.dat()).isDir());
}

QTEST_GUILESS_MAIN(CareerFilesTest)
#include "careerfiles_test.moc"
