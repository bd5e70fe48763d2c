// SPDX-License-Identifier: MIT
#include "support/filebytes.h"
#include "support/recordingmessenger.h"
#include "support/seasonbuilder.h"

#include "play/gamestate.h"
#include "storage/filecareer.h"
#include "storage/filestore.h"
#include "storage/recordscodec.h"
#include "storage/seasoncodec.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

GameState aGame() {
    GameState g;
    g.GameAttempts = 30;
    g.GameCompletions = 20;
    g.GameYards = 250;
    g.GameTDs = 2;
    g.GameINTs = 1;
    g.LongestInRow = 6;
    g.GameShortAttempts = 5;
    g.GameShortCompletions = 4;
    g.GameLongAttempts = 25;
    g.GameLongCompletions = 16;
    g.GameLongYards = 250;
    g.GameLongTDs = 2;
    g.GameLongINTs = 1;
    return g;
}

struct CareerDir {
    QTemporaryDir dir;
    RecordingMessenger messenger;
    FileCareer career{dir.path(), messenger};

    QString dat() const { return career.seasonsPath(); }
    QString rec() const { return career.recordsPath(); }
    // One game through the end-of-game order of the window.
    bool playGame(const GameState& game = aGame()) {
        GameState state = game;
        career.saveStats(state);
        const bool broken = career.checkBestGame(state);
        career.openStats(state);
        return broken;
    }
};

} // namespace

class FileCareerTest : public QObject {
    Q_OBJECT
private slots:
    void theFirstGameWritesOneRecord();
    void reservedBytesSurviveAnUpdate();
    void theSixteenthGameEndsTheSeasonAfterItsRecords();
    void afterFifteenSeasonsTheCareerIsOver();
    void clearingDeletesOnlyTheSeasons();
    void aDirectoryWhereTheFileShouldBeIsReported();
    void aFailedSaveOffersToRetryAndLeavesTheFile();
    void aRetriedSaveKeepsTheGame();
    void aDamagedFileIsKeptAndPlayGoesOn();
    void aDamagedRecordsFileIsKept();
    void peekingCreatesNothingAndLeavesADamagedFileAsItIs();
};

void FileCareerTest::theFirstGameWritesOneRecord() {
    CareerDir c;
    GameState state;
    QVERIFY(c.career.openStats(state));
    QCOMPARE(state.SeasonNumber, 1);
    QCOMPARE(state.SeasonGames, 0);
    QVERIFY(QFile::exists(c.dat()));
    QCOMPARE(QFileInfo(c.dat()).size(), 0);
    QVERIFY(c.playGame());
    const QByteArray bytes = contents(c.dat());
    QCOMPARE(bytes.size(), 110);
    QCOMPARE(bytes.mid(0, 8), QByteArray::fromHex("0100000001000000"));
    QCOMPARE(bytes.mid(28, 6), QByteArray::fromHex("000005000000"));
    QCOMPARE(bytes.mid(106, 4), QByteArray::fromHex("00000000"));
    QCOMPARE(bytes.mid(86, 4), QByteArray::fromHex("01000000")); // LongInt
    QCOMPARE(contents(c.rec()).size(), 52);
    QCOMPARE(decodeRecords(contents(c.rec())).MostGameYds, 250);
    QVERIFY(c.messenger.messages().isEmpty());
    QVERIFY(!c.playGame()); // the same game again ties every record
}

void FileCareerTest::reservedBytesSurviveAnUpdate() {
    CareerDir c;
    SeasonStats stored;
    stored.Season = 1;
    stored.Games = 2;
    stored.Reserved = 0x7a5b;
    write(c.dat(), encodeSeason(stored));
    c.playGame();
    const SeasonStats after = decodeSeason(contents(c.dat()));
    QCOMPARE(after.Reserved, std::int16_t(0x7a5b));
    QCOMPARE(after.Games, 3);
    QCOMPARE(after.Att, 30);
}

void FileCareerTest::theSixteenthGameEndsTheSeasonAfterItsRecords() {
    CareerDir c;
    SeasonStats full;
    full.Games = 16;
    SeasonStats fifteen;
    fifteen.Games = 15;
    write(c.dat(), encodeSeason(full) + encodeSeason(full) + encodeSeason(fifteen));
    c.playGame();
    QCOMPARE(c.messenger.titles(), QStringList{QStringLiteral("Season Over")});
    QCOMPARE(c.messenger.messages().front().text, QStringLiteral("Season 3 is over"));
    // The season records were written before the message: the 30 attempts are the season.
    const CareerRecords records = decodeRecords(contents(c.rec()));
    QCOMPARE(records.MostSeasonYds, 250);
    QCOMPARE(records.LeastSeasonInt, 1);
    QCOMPARE(decodeSeason(contents(c.dat()).mid(220)).Games, 16);
    GameState state;
    QVERIFY(c.career.openStats(state));
    QCOMPARE(state.SeasonNumber, 4);
    QCOMPARE(state.SeasonGames, 0);
    QCOMPARE(state.SeasonAttempts, 0);
}

void FileCareerTest::afterFifteenSeasonsTheCareerIsOver() {
    CareerDir c;
    SeasonStats full;
    full.Games = 16;
    full.Att = 480;
    QByteArray career;
    for (int n = 1; n <= 15; ++n) {
        full.Season = n;
        career += encodeSeason(full);
    }
    write(c.dat(), career);
    GameState state;
    state.SeasonNumber = 9;
    state.SeasonAttempts = 77;
    QVERIFY(!c.career.openStats(state));
    QCOMPARE(state.SeasonNumber, 9);
    QCOMPARE(state.SeasonAttempts, 77);
    QCOMPARE(c.messenger.titles(), QStringList{QStringLiteral("15 Year Career Over")});
    QCOMPARE(c.messenger.messages().front().text,
             QStringLiteral("Your 15 Year Career is Over\r\nYou May Wish To Export Your\r\n"
                            "Stats and Clear Them To Play Again."));
}

void FileCareerTest::clearingDeletesOnlyTheSeasons() {
    CareerDir c;
    c.playGame();
    c.playGame();
    const QByteArray records = contents(c.rec());
    c.career.clearCareer();
    QVERIFY(!QFile::exists(c.dat()));
    QCOMPARE(contents(c.rec()), records);
    c.career.clearCareer(); // nothing to delete is no failure
    QVERIFY(c.messenger.messages().isEmpty());
    GameState state;
    QVERIFY(c.career.openStats(state));
    QCOMPARE(state.SeasonNumber, 1);
    QCOMPARE(state.SeasonGames, 0);
}

void FileCareerTest::aDirectoryWhereTheFileShouldBeIsReported() {
    CareerDir c;
    QVERIFY(QDir(c.dir.path()).mkdir(QStringLiteral("gdk.dat")));
    GameState state;
    QVERIFY(!c.career.openStats(state));
    QCOMPARE(c.messenger.titles(), QStringList{QStringLiteral("Career Stats Not Read")});
    QVERIFY(c.messenger.messages().front().text.contains(c.dat()));
    c.messenger.clear();
    c.career.saveStats(aGame());
    QCOMPARE(c.messenger.titles(),
             (QStringList{QStringLiteral("Game Not Saved"), QStringLiteral("Game Not Saved")}));
    QVERIFY(QFileInfo(c.dat()).isDir());
    c.messenger.clear();
    c.career.clearCareer();
    QCOMPARE(c.messenger.titles(), QStringList{QStringLiteral("Career Not Cleared")});
}

void FileCareerTest::aFailedSaveOffersToRetryAndLeavesTheFile() {
    CareerDir c;
    c.playGame();
    const QByteArray before = contents(c.dat());
    const QByteArray records = contents(c.rec());
    setFileFault(
        [](const QString&, FileStep) { return QStringLiteral("No space left on device"); });
    QVERIFY(!c.career.saveStats(aGame()));
    setFileFault({});
    QCOMPARE(contents(c.rec()), records);
    QCOMPARE(contents(c.dat()), before);
    QCOMPARE(c.messenger.messages().front().kind, QStringLiteral("retry"));
    QVERIFY(
        c.messenger.messages().front().text.contains(QStringLiteral("No space left on device")));
    QVERIFY(c.messenger.messages().front().text.contains(c.dat()));
    QCOMPARE(c.messenger.messages().back().kind, QStringLiteral("warn"));
    QVERIFY(c.messenger.messages().back().text.contains(QStringLiteral("no record was checked")));
}

void FileCareerTest::aRetriedSaveKeepsTheGame() {
    CareerDir c;
    int failures = 2;
    setFileFault([&](const QString&, FileStep step) {
        return step == FileStep::Open && failures-- > 0 ? QStringLiteral("Input/output error")
                                                        : QString();
    });
    c.messenger.setRetries(5);
    QVERIFY(c.career.saveStats(aGame()));
    setFileFault({});
    QCOMPARE(c.messenger.titles(),
             (QStringList{QStringLiteral("Game Not Saved"), QStringLiteral("Game Not Saved")}));
    QCOMPARE(decodeSeason(contents(c.dat())).Att, 30);
}

void FileCareerTest::aDamagedFileIsKeptAndPlayGoesOn() {
    CareerDir c;
    SeasonStats full;
    full.Season = 1;
    full.Games = 16;
    full.Att = 480;
    const QByteArray damaged = encodeSeason(full) + QByteArray(37, '\x5a');
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
    QCOMPARE(contents(c.dat()), encodeSeason(full));
    c.playGame();
    QCOMPARE(contents(c.dat()).size(), 220);
}

void FileCareerTest::aDamagedRecordsFileIsKept() {
    CareerDir c;
    CareerRecords records;
    records.MostGameYds = 400;
    const QByteArray damaged = encodeRecords(records) + QByteArray("xyz");
    write(c.rec(), damaged);
    QCOMPARE(c.career.loadRecords().MostGameYds, 400);
    QCOMPARE(c.messenger.titles(), QStringList{QStringLiteral("Damaged File")});
    QCOMPARE(contents(c.rec()), encodeRecords(records));
    QCOMPARE(QDir(c.dir.path()).entryList({QStringLiteral("gdk.rec.damaged-*")}).size(), 1);
}

void FileCareerTest::peekingCreatesNothingAndLeavesADamagedFileAsItIs() {
    CareerDir c;
    QVERIFY(c.career.peekSeasons().empty());
    QVERIFY(!QFile::exists(c.dat()));
    const SeasonStats first = season(1, 3, 50, 75, 520);
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

QTEST_GUILESS_MAIN(FileCareerTest)
#include "filecareer_test.moc"
