// SPDX-License-Identifier: MIT
// The career files beyond what the pinned career shows: the record checks at their edges, kept
// bytes, damage, and saves that fail. Byte layouts and a whole career's progression are pinned
// by the career test.
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
#include <QTemporaryDir>
#include <QTest>

namespace {

GameState game(int attempts, int completions, int yards, int tds, int ints, int inRow) {
    GameState g;
    g.GameAttempts = static_cast<std::int16_t>(attempts);
    g.GameCompletions = static_cast<std::int16_t>(completions);
    g.GameYards = static_cast<std::int16_t>(yards);
    g.GameTDs = static_cast<std::int16_t>(tds);
    g.GameINTs = static_cast<std::int16_t>(ints);
    g.LongestInRow = static_cast<std::int16_t>(inRow);
    g.GameLongAttempts = g.GameAttempts;
    g.GameLongCompletions = g.GameCompletions;
    g.GameLongYards = g.GameYards;
    return g;
}

SeasonStats stored(int number, int games, int att = 0) {
    SeasonStats s;
    s.Season = number;
    s.Games = games;
    s.Att = s.LongAtt = att;
    return s;
}

struct CareerDir {
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career{dir.path(), messenger};
    QString dat() const { return career.seasonsPath(); }
};

} // namespace

class CareerFilesTest : public QObject {
    Q_OBJECT
private slots:
    void gameRecordsFallOnlyToStrictlyBetterGames();
    void theFirstCompletedSeasonSetsTheFewestInterceptions();
    void reservedBytesSurviveAnUpdate();
    void damageIsNamedAndWhatCannotBeTrueEmptied_data();
    void damageIsNamedAndWhatCannotBeTrueEmptied();
    void aDamagedFileIsKeptAndPlayGoesOn();
    void aSaveGivenUpLeavesBothFilesAndChecksNoRecord();
    void aRetriedSaveKeepsTheGame();
    void aDirectoryWhereTheFileShouldBeIsReported();
    void peekingCreatesNothingAndLeavesADamagedFileAsItIs();
};

void CareerFilesTest::gameRecordsFallOnlyToStrictlyBetterGames() {
    const struct {
        GameState game;
        bool broken;
        std::array<int, 5> after; // yards, TD, INT, in a row, completion % in tenths
    } games[] = {
        {game(20, 12, 150, 1, 1, 5), true, {150, 1, 1, 5, 600}},
        {game(30, 18, 150, 1, 0, 5), false, {150, 1, 1, 5, 600}}, // ties
        {game(20, 2, 10, 0, 6, 1), false, {150, 1, 6, 5, 600}},   // interceptions: silently
        {game(9, 7, 50, 0, 0, 3), true, {150, 1, 6, 5, 778}},     // 77.777… kept as 77.8
        {game(9, 7, 40, 0, 0, 2), false, {150, 1, 6, 5, 778}},
        {game(30, 18, 151, 2, 0, 0), true, {151, 2, 6, 5, 778}}, // yards and TD both fall
    };
    CareerRecords records;
    for (const auto& [played, broken, after] : games) {
        QCOMPARE(checkBestGame(played, records), broken);
        QCOMPARE((std::array<int, 5>{records.MostGameYds, records.MostGameTD, records.MostGameInt,
                                     records.MostInRow,
                                     int(records.BestGameCompPct.tenThousandths / 1000)}),
                 after);
    }
}

void CareerFilesTest::theFirstCompletedSeasonSetsTheFewestInterceptions() {
    const auto season = [](int comp, int yds, int ints) {
        SeasonStats s = stored(1, 16, 500);
        s.Comp = comp;
        s.Yds = yds;
        s.TD = 10;
        s.Int = ints;
        return s;
    };
    CareerRecords records;
    checkSeasonRecords(season(300, 3500, 12), records);
    QCOMPARE(records.LeastSeasonInt, 12);
    QCOMPARE(records.BestSeasonCompPct, Currency::fromTenths(600));
    checkSeasonRecords(season(250, 3000, 14), records);
    QCOMPARE(records.LeastSeasonInt, 12);
    QCOMPARE(records.MostSeasonYds, 3500);
    checkSeasonRecords(season(250, 3000, 11), records);
    QCOMPARE(records.LeastSeasonInt, 11);
    QCOMPARE(records.BestSeasonCompPct, Currency::fromTenths(600));
}

void CareerFilesTest::reservedBytesSurviveAnUpdate() {
    CareerDir c;
    SeasonStats season = stored(1, 2);
    season.Reserved = 0x7a5b;
    write(c.dat(), encodeSeason(season));
    GameState played = game(30, 20, 250, 2, 1, 6);
    played.GameShortAttempts = 5;
    played.GameLongAttempts = 25;
    played.GameBlitzINTs = 1;
    c.career.saveStats(played);
    const QByteArray bytes = contents(c.dat());
    QCOMPARE(bytes.size(), 110);
    QCOMPARE(bytes.mid(0, 12), QByteArray::fromHex("01000000"
                                                   "03000000"
                                                   "1e000000"));
    QCOMPARE(bytes.mid(28, 6), QByteArray::fromHex("5b7a"
                                                   "05000000")); // Reserved, ShortAtt
    QCOMPARE(bytes.mid(106), QByteArray::fromHex("01000000"));   // BlitzInt, the last
}

void CareerFilesTest::damageIsNamedAndWhatCannotBeTrueEmptied_data() {
    QTest::addColumn<bool>("seasons"); // gdk.dat, else gdk.rec
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("kept"); // seasons kept, or the yards record kept
    SeasonStats seventeen = stored(2, 17);
    SeasonStats negative = stored(2, 3);
    negative.MediumYds = -1;
    const QByteArray full = encodeSeason(stored(1, 16, 400));
    CareerRecords records;
    records.MostGameYds = 250;
    CareerRecords impossible;
    impossible.BestSeasonRating = Currency{-1};
    QTest::newRow("sound seasons") << true << full + full << "" << 2;
    QTest::newRow("torn season") << true << full + QByteArray(50, 'x')
                                 << "its length of 160 bytes is not a whole number of seasons" << 1;
    QTest::newRow("seventeen games")
        << true << full + encodeSeason(seventeen) << "season 2 holds impossible figures" << 2;
    QTest::newRow("negative yards")
        << true << full + encodeSeason(negative) << "season 2 holds impossible figures" << 2;
    QTest::newRow("no records") << false << QByteArray() << "" << 0;
    QTest::newRow("longer than one record")
        << false << encodeRecords(records) + "xyz"
        << "its length of 55 bytes is not the 52 of one record" << 250;
    QTest::newRow("torn records") << false << encodeRecords(records).left(20)
                                  << "its length of 20 bytes is not the 52 of one record" << 0;
    QTest::newRow("negative rating")
        << false << encodeRecords(impossible) << "it holds impossible figures" << 0;
}

void CareerFilesTest::damageIsNamedAndWhatCannotBeTrueEmptied() {
    QFETCH(bool, seasons);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QFETCH(int, kept);
    if (!seasons) {
        const RecordsContent content = readRecordsContent(bytes);
        QCOMPARE(content.problem, problem);
        QCOMPARE(content.records.MostGameYds, kept);
        return;
    }
    const SeasonsContent content = readSeasonsContent(bytes);
    QCOMPARE(content.problem, problem);
    QCOMPARE(int(content.seasons.size()), kept);
    QCOMPARE(content.seasons.front().Att, 400);
    // A season that cannot be true is emptied, keeping its number.
    if (kept == 2 && !problem.isEmpty())
        QCOMPARE(content.seasons.back(), stored(2, 0));
}

void CareerFilesTest::aDamagedFileIsKeptAndPlayGoesOn() {
    CareerDir c;
    const QByteArray damaged = encodeSeason(stored(1, 16, 480)) + QByteArray(37, '\x5a');
    write(c.dat(), damaged);
    GameState state;
    QVERIFY(c.career.openStats(state));
    QCOMPARE(state.SeasonNumber, 2);
    QCOMPARE(c.messenger.titles(), QStringList{QStringLiteral("Damaged File")});
    QVERIFY(c.messenger.messages().front().text.contains(QStringLiteral("147 bytes")));
    const QStringList kept =
        QDir(c.dir.path()).entryList({QStringLiteral("gdk.dat.damaged-*")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QCOMPARE(contents(QDir(c.dir.path()).filePath(kept.front())), damaged);
    QCOMPARE(contents(c.dat()), encodeSeason(stored(1, 16, 480)));
    QVERIFY(c.career.saveStats(game(30, 20, 250, 2, 1, 6)));
    QCOMPARE(contents(c.dat()).size(), 220);
}

void CareerFilesTest::aSaveGivenUpLeavesBothFilesAndChecksNoRecord() {
    CareerDir c;
    c.career.saveStats(game(30, 20, 250, 2, 1, 6));
    c.career.checkBestGame(game(30, 20, 250, 2, 1, 6));
    const QByteArray seasons = contents(c.dat());
    const QByteArray records = contents(c.career.recordsPath());
    setFileFault(
        [](const QString&, FileStep) { return QStringLiteral("No space left on device"); });
    QVERIFY(!c.career.saveStats(game(30, 25, 400, 3, 0, 9)));
    setFileFault({});
    QCOMPARE(contents(c.dat()), seasons);
    QCOMPARE(contents(c.career.recordsPath()), records);
    const QList<RecordingMessenger::Message>& told = c.messenger.messages();
    QCOMPARE(told.front().kind, QStringLiteral("retry"));
    QVERIFY(told.front().text.contains(c.dat() + QStringLiteral(": No space left on device")));
    QCOMPARE(told.back().kind, QStringLiteral("warn"));
    QVERIFY(told.back().text.contains(QStringLiteral("no record was checked")));
}

void CareerFilesTest::aRetriedSaveKeepsTheGame() {
    CareerDir c;
    int failures = 2;
    setFileFault([&](const QString&, FileStep step) {
        return step == FileStep::Open && failures-- > 0 ? QStringLiteral("Input/output error")
                                                        : QString();
    });
    c.messenger.setRetries(5);
    QVERIFY(c.career.saveStats(game(30, 20, 250, 2, 1, 6)));
    setFileFault({});
    QCOMPARE(c.messenger.titles(),
             (QStringList{QStringLiteral("Game Not Saved"), QStringLiteral("Game Not Saved")}));
    QCOMPARE(decodeSeason(contents(c.dat())).Att, 30);
}

void CareerFilesTest::aDirectoryWhereTheFileShouldBeIsReported() {
    CareerDir c;
    QVERIFY(QDir(c.dir.path()).mkdir(QStringLiteral("gdk.dat")));
    GameState state;
    QVERIFY(!c.career.openStats(state));
    QVERIFY(!c.career.saveStats(game(30, 20, 250, 2, 1, 6)));
    c.career.clearCareer();
    QCOMPARE(c.messenger.titles(), (QStringList{"Career Stats Not Read", "Game Not Saved",
                                                "Game Not Saved", "Career Not Cleared"}));
    for (const RecordingMessenger::Message& message : c.messenger.messages())
        QVERIFY2(message.text.contains(c.dat()), qPrintable(message.text));
    QVERIFY(QFileInfo(c.dat()).isDir());
}

void CareerFilesTest::peekingCreatesNothingAndLeavesADamagedFileAsItIs() {
    CareerDir c;
    QVERIFY(c.career.peekSeasons().empty());
    QVERIFY(!QFile::exists(c.dat()));
    const SeasonStats first = stored(1, 3, 75);
    const QByteArray damaged = encodeSeason(first) + QByteArray(37, '\x5a');
    write(c.dat(), damaged);
    QCOMPARE(c.career.peekSeasons(), std::vector<SeasonStats>{first});
    QCOMPARE(c.messenger.titles(), QStringList{QStringLiteral("Damaged File")});
    QVERIFY(c.messenger.messages().front().text.startsWith(
        QDir::toNativeSeparators(c.dat()) +
        QStringLiteral(" is damaged: its length of 147 bytes is not a whole number of seasons.")));
    QCOMPARE(contents(c.dat()), damaged);
    QCOMPARE(QDir(c.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("gdk.dat")});
}

QTEST_GUILESS_MAIN(CareerFilesTest)
#include "careerfiles_test.moc"
