// SPDX-License-Identifier: MIT
// The career files beyond what the pinned career shows: the record checks at their edges, kept
// bytes, damage, saves that fail, how files are replaced, and where they live. Whole layouts and a
// career's progression are pinned by the career test; each system call failing in turn is the
// fault-point test's, and a directory that takes nothing the simulator runs'.
#include "support/datatable.h"
#include "support/filebytes.h"
#include "support/hostilefile.h"
#include "support/recordingmessenger.h"

#include "play/draws.h"
#include "play/gamesession.h"
#include "play/gamestate.h"
#include "play/randomsource.h"
#include "play/throwrules.h"
#include "storage/careerfilecontent.h"
#include "storage/datadirectory.h"
#include "storage/filecareer.h"
#include "storage/filestore.h"
#include "storage/recordchecks.h"
#include "storage/recordscodec.h"
#include "storage/seasoncodec.h"
#include "views/exportwriter.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

// One throw judged with no play type (New Game during a snap), intercepted.
const GameState aGame{.game = {.attempts = 30, .interceptions = 1},
                      .gameByType = {{{.attempts = 5}, {}, {}, {.attempts = 24}}}};

// The ten records in file order, percentages and ratings in hundredths.
QString recordsText(const CareerRecords& r) {
    const auto h = [](FixedPoint4 value) { return int(value.tenThousandths / 100); };
    return QString::asprintf("%d %d %d %d %d %d %d %d %d %d", r.mostGameYards, r.mostGameTouchdowns,
                             r.mostGameInterceptions, r.mostInRow,
                             h(r.bestGameCompletionPercentage), r.mostSeasonYards,
                             r.mostSeasonTouchdowns, r.leastSeasonInterceptions,
                             h(r.bestSeasonCompletionPercentage), h(r.bestSeasonRating));
}

// The bytes of a file as named fields describe it (see tests/data/storage/README.md).
QByteArray fileOf(const QString& recipe) {
    QMap<QString, QList<int>> fields;
    for (const auto& [name, value] : tableLine(recipe)) {
        const QStringList names{"games", "attempts", "numbers", "times", "records", "stray"};
        if (!names.contains(name) || fields.contains(name))
            unknownWord(QStringLiteral("file field (or one given twice)"), name + '=' + value);
        for (const QString& number :
             names.indexOf(name) < 3 ? value.split(u',') : QStringList{value})
            fields[name] << tableInt(number);
    }
    const QList<int> games = fields["games"], attempts = fields["attempts"],
                     numbers = fields["numbers"];
    if (attempts.size() != games.size() || (!numbers.isEmpty() && numbers.size() != games.size()))
        unknownWord(QStringLiteral("file of as many attempts and numbers as games"), recipe);
    QByteArray bytes;
    for (int i = 0; i < games.size() * fields.value("times", {1})[0]; ++i) {
        const auto at = i % games.size();
        bytes += encodeSeason({.number = numbers.value(at, i + 1),
                               .games = games[at],
                               .total = {.attempts = attempts[at]},
                               .byType = {{{.attempts = attempts[at]}}}});
    }
    for (const int yards : fields["records"])
        bytes += encodeRecords({yards, 0, 0, 0, {}, 0, 0, 0, {}, {}});
    return bytes + QByteArray(fields.value("stray", {0})[0], 'x');
}

// Notes each message as it comes, and whether another copy of the game could take both of the
// career's locks while the player reads it.
struct LockWatch final : Messenger {
    QString directory;
    QStringList steps;
    bool show(const Message& message) override {
        QLockFile seasons(directory + "/gdk.dat.lock"), records(directory + "/gdk.rec.lock");
        const bool free = seasons.tryLock(0) && records.tryLock(0);
        steps << message.title + (free ? ", both locks free" : ", locked");
        return false;
    }
};

// A season of impossible-seasons.txt: the table's possible season with the row's changes.
SeasonStats changedSeason(const QString& changes) {
    std::array<std::int32_t, 27> v{1,   2, 60, 30, 400, 3,   2, 15, 10, 80, 1,   0, 15, 8,
                                   100, 1, 1,  15, 6,   120, 0, 1,  14, 6,  100, 1, 0};
    QStringList names{"season", "games"}; // then the season's line and each pass type's
    for (const QString line : {"", "short", "medium", "long", "blitz"})
        for (const char* count : {"att", "comp", "yds", "td", "int"})
            names << line + count;
    for (const auto& [name, value] : tableLine(changes))
        v[std::size_t(tableChoice(names, QStringLiteral("field"), name))] = tableInt(value);
    const auto line = [&](std::size_t at) {
        return SeasonLine{v[at], v[at + 1], v[at + 2], v[at + 3], v[at + 4]};
    };
    return {.number = v[0],
            .games = v[1],
            .total = line(2),
            .byType = {{line(7), line(12), line(17), line(22)}}};
}

// Plays the started game to its end, stopping the meter at each value from 1 to a full meter in
// turn, and now and then choosing New Game during a snap, so that the throw has no play type.
void playThrough(GameSession& session, RandomSource& random, int& stop) {
    while (session.playing()) {
        session.press();
        stop = stop % MeterMaximum + 1;
        if (drawFloorPlusOne(random, 50) == 1)
            session.newGame(); // the meter stands still until the press
        else
            while (session.meterRunning() && session.state().meter < stop)
                session.tick();
        session.press();
    }
}

// What each reader of a career file tells beside its messages.
const QMap<QString, std::function<QString(FileCareer&)>> readers{
    {"career", [](FileCareer& c) { return c.loadSeasons(), QString(); }},
    {"records", [](FileCareer& c) { return c.loadRecords(), QString(); }},
    {"pass types", [](FileCareer& c) { return c.peekSeasons().note; }},
    {"save", [](FileCareer& c) { return c.saveStats(aGame), QString(); }},
    {"record check", [](FileCareer& c) { return c.checkBestGame(aGame), QString(); }},
    {"export", [](FileCareer& c) { return exportCareer(c, "Sam", ".").text; }},
};

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
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The table's rows are one career: each is checked against the records the rows above left.
    void recordsFallOnlyToStrictlyBetter() {
        QList<QStringList> rows = tableRows(QStringLiteral("storage/record-checks.txt"));
        const QStringList header = rows.takeFirst();
        CareerRecords records;
        for (const QStringList& row : rows) {
            const auto at = [&](const char* column) {
                return row[tableChoice(header, QStringLiteral("column"), column)];
            };
            const auto count = [&](const char* column) {
                return std::int16_t(tableInt(at(column)));
            };
            const GameLine line{count("att"), count("comp"), count("yds"), count("td"),
                                count("int")};
            if (tableChoice({"season", "game"}, QStringLiteral("check"), row[0]) == 0)
                checkSeasonRecords({.games = 16, .total = line}, records);
            else
                QCOMPARE(checkBestGame({.game = line, .longestInRow = count("row")}, records),
                         tableYes(at("broken")));
            QCOMPARE(recordsText(records), at("records"));
        }
    }

    void reservedBytesSurviveAnUpdate() {
        CareerDir c;
        write(c.dat(), encodeSeason({.number = 1, .games = 2, .reserved = 0x7a5b}));
        QVERIFY(c.career.saveStats(aGame));
        const QByteArray bytes = contents(c.dat());
        QCOMPARE(bytes.size(), 110);
        QCOMPARE(bytes.first(12), QByteArray::fromHex("01000000 03000000 1e000000"));
        QCOMPARE(bytes.mid(28, 6), QByteArray::fromHex("5b7a 05000000")); // reserved, shortAttempts
        QCOMPARE(bytes.mid(90, 4), QByteArray::fromHex("18000000"));      // blitzAttempts
        QCOMPARE(bytes.mid(106), QByteArray::fromHex("00000000")); // blitzInterceptions, the last
    }

    void damagedFilesAreToldAndKept_data() { addTableRows("storage/damaged-files.txt"); }
    void damagedFilesAreToldAndKept() {
        QFETCH(QString, file);
        QFETCH(QString, bytes);
        QFETCH(QString, reader);
        QFETCH(QString, problem);
        CareerDir c;
        const QString path = c.dir.filePath(file);
        const QByteArray damaged = fileOf(bytes);
        write(path, damaged);
        const auto read =
            tableChoice({"open", "peek", "records"}, QStringLiteral("reader"), reader);
        GameState s; // a new game that could not open reads as the records do, and fails there
        QTEST(read == 0 && c.career.openStats(s) == SeasonOpening::Open
                  ? QString::asprintf("season %d, %d games, %d attempts", s.seasonNumber,
                                      s.seasonGames, s.season.attempts)
              : read == 1 ? QStringLiteral("%1 seasons").arg(c.career.peekSeasons().seasons.size())
                          : QStringLiteral("%1 yards").arg(c.career.loadRecords().mostGameYards),
              "reads");
        // Unless only looked at, a damaged file is kept under another name and mended.
        const bool mended = !problem.isEmpty() && read != 1;
        const QStringList kept = QDir(c.dir.path()).entryList({file + ".damaged-*"});
        QCOMPARE(kept.size(), qsizetype(mended));
        QCOMPARE(contents(mended ? c.dir.filePath(kept[0]) : path), damaged);
        QCOMPARE(c.messenger.titles(), QStringList(!problem.isEmpty(), "Damaged File"));
        QVERIFY(problem.isEmpty() ||
                c.messenger.messages()[0].text.startsWith(path + " is damaged: " + problem + '.'));
        if (!mended)
            return;
        QVERIFY(readSeasonsContent(contents(c.dat())).problem.isEmpty());
        QVERIFY(readRecordsContent(contents(c.career.recordsPath())).problem.isEmpty());
        // Play goes on.
        QVERIFY(c.career.saveStats(aGame));
        c.career.checkBestGame(aGame);
        QCOMPARE(c.messenger.messages().size(), 1);
    }

    void impossibleSeasonsAreDamaged_data() { addTableRows("storage/impossible-seasons.txt"); }
    void impossibleSeasonsAreDamaged() {
        QFETCH(QString, changes);
        QFETCH(QString, problem);
        const SeasonStats season = changedSeason(changes);
        const SeasonsContent content = readSeasonsContent(encodeSeason(season));
        const bool renumbered = problem == u"renumbered",
                   emptied = !renumbered && !problem.isEmpty();
        QCOMPARE(content.problem, renumbered
                                      ? QStringLiteral("season 1 is numbered %1").arg(season.number)
                                  : emptied ? "season 1 holds impossible figures (" + problem + ')'
                                            : QString());
        SeasonStats kept = emptied ? SeasonStats() : season;
        kept.number = 1;
        QCOMPARE(content.seasons.size(), std::size_t(1));
        QVERIFY(content.seasons[0] == kept);
    }

    // Careers as they are played never read as damaged: several seeds, two copies of the game
    // taking turns on one career (both may finish season 15 and go on to a 16th), every stop of
    // the meter, and throws with no play type. Nor does the pinned career.
    void noPlayedCareerIsDamaged() {
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            // Where many saves cost no disk flushes.
            QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/gridlark-XXXXXX")
                                                        : QDir::tempPath() + "/gridlark-XXXXXX");
            RecordingMessenger messenger;
            MixingRandomSource random(seed);
            FileCareer first(dir.path(), messenger);
            FileCareer second(dir.path(), messenger);
            GameSession one(random, first, QStringLiteral("."));
            GameSession other(random, second, QStringLiteral("."));
            int stop = 0;
            for (one.newGame(), other.newGame(); one.playing() || other.playing();
                 one.newGame(), other.newGame()) {
                playThrough(one, random, stop);
                playThrough(other, random, stop);
            }
            QVERIFY(contents(first.seasonsPath()).size() >= 15 * SeasonRecordSize);
            QVERIFY(readSeasonsContent(contents(first.seasonsPath())).problem.isEmpty());
            QVERIFY(!messenger.titles().contains(QStringLiteral("Damaged File")));
        }
        const QByteArray pinned = contents(QStringLiteral(GRIDLARK_TEST_DATA "/career-gdk.dat"));
        QCOMPARE(pinned.size(), 15 * SeasonRecordSize);
        QCOMPARE(readSeasonsContent(pinned).problem, QString());
    }

    // Each row is given to every reader of its file in hostile-readers.txt.
    void hostileFilesAreRefusedUnread_data() { addTableRows("storage/hostile-files.txt"); }
    void hostileFilesAreRefusedUnread() {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const bool seasons = tableChoice({"gdk.rec", "gdk.dat"}, QStringLiteral("file"), file) == 1;
        const QByteArray others = fileOf(seasons ? "records=300" : "games=3 attempts=90");
        for (const QStringList& row : tableRows("storage/hostile-readers.txt").mid(1)) {
            if (row[0] != file)
                continue;
            CareerDir c;
            const QString path = c.dir.filePath(file);
            const QString other = c.dir.filePath(seasons ? "gdk.rec" : "gdk.dat");
            write(other, others);
            write(c.dir.filePath("gdk.html"), "<p>an earlier page</p>");
            QVERIFY(makeHostileFile(path, kind));
            const QString shape = fileShape(path);
            tableChoice(readers.keys(), QStringLiteral("reader"), row[1]);
            QStringList told{readers[row[1]](c.career)};
            for (const Message& message : c.messenger.messages())
                told << message.text;
            const bool huge = kind == u"huge", mends = huge && tableYes(row[3]);
            const QString expected =
                huge ? QString(row[2]).replace("PATH", path).replace("REASON", reason)
                     : path + ": " + reason;
            QVERIFY2(told.join(u'\n').contains(expected),
                     qPrintable(row[1] + ": " + told.join(u'\n')));
            const QStringList kept = QDir(c.dir.path()).entryList({file + ".damaged-*"});
            QCOMPARE(kept.size(), qsizetype(mends));
            QCOMPARE(fileShape(mends ? c.dir.filePath(kept[0]) : path), shape);
            QCOMPARE(contents(c.dir.filePath("gdk.html")), QByteArray("<p>an earlier page</p>"));
            QCOMPARE(contents(other), others);
        }
    }

    void aFailedSaveIsOfferedAgainAndGivenUpWhole() {
        CareerDir c;
        QVERIFY(c.career.saveStats(aGame));
        const QByteArray seasons = contents(c.dat());
        int failures = 3;
        setFileFault([&](const QString&, FileStep step) {
            return step == FileStep::Open && failures-- > 0 ? QStringLiteral("Input/output error")
                                                            : QString();
        });
        c.messenger.setRetries(1);
        QVERIFY(!c.career.saveStats(aGame));
        QCOMPARE(contents(c.dat()), seasons);
        c.messenger.setRetries(1);
        QVERIFY(c.career.saveStats(aGame));
        // Given up where there was no file, it is not said to be as it was.
        CareerDir fresh;
        failures = 1;
        QVERIFY(!fresh.career.saveStats(aGame));
        setFileFault({});
        QCOMPARE(decodeSeason(contents(c.dat())).total.attempts, 60);
        // Failed twice, given up; failed once, retried, saved.
        QCOMPARE(c.messenger.titles(), QStringList(4, QStringLiteral("Game Not Saved")));
        QVERIFY(c.messenger.messages()[0].text.contains(c.dat() + ": Input/output error"));
        QVERIFY(c.messenger.messages()[2].text.contains("is as it was, and no record was checked"));
        QCOMPARE(fresh.messenger.messages().last().text,
                 "The game was not saved; nothing was written to " + fresh.dat() +
                     ", and no record was checked against the game.");
    }

    void filesAreReplacedUnderTheirLocksAndMessagesComeWithout() {
        QTemporaryDir dir;
        LockWatch watch;
        watch.directory = dir.path();
        setFileFault([&](const QString& path, FileStep step) {
            if (step != FileStep::Open)
                watch.steps << QFileInfo(path).fileName() +
                                   (step == FileStep::Rename ? " renamed" : " flushed") +
                                   (QFileInfo::exists(path + ".lock") ? ", locked" : "");
            return QString();
        });
        FileCareer career(dir.path(), watch);
        write(career.seasonsPath(), fileOf("games=15 attempts=0 stray=3"));
        career.saveStats(aGame);
        career.checkBestGame(aGame);
        exportCareer(career, QStringLiteral("Kim"), QStringLiteral("."));
        write(career.seasonsPath(), fileOf("games=16 attempts=0 times=15 stray=3"));
        GameState state;
        career.openStats(state);
        setFileFault({});
        QStringList expected;
        for (const QStringList& row : tableRows(QStringLiteral("storage/replacement-steps.txt")))
            expected << row[0];
        QCOMPARE(QStringList{"step"} + watch.steps, expected);
    }

    void whereTheFilesLive_data() { addTableRows("storage/data-directories.txt"); }
    void whereTheFilesLive() {
        QFETCH(QString, directory);
        QFETCH(QString, holds);
        QFETCH(QString, immutable);
        QFETCH(QString, system);
        QFETCH(QString, chosen);
        QTemporaryDir temporary, home; // the player's data directory is in home
        directory.replace(QStringLiteral("TEMP"), temporary.path());
        if (tableChoice({"-", "gdk.dat", "gdk.rec"}, QStringLiteral("career file"), holds) > 0)
            write(QDir(directory).filePath(holds), fileOf("games=3 attempts=90"));
        const bool locked = tableYes(immutable);
        const QByteArray ownHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        const auto chattr = [&](const QString& change) {
            return QProcess::execute(QStringLiteral("chattr"), {change, directory});
        };
        const auto undo = qScopeGuard([&] {
            qputenv("HOME", ownHome);
            if (locked)
                chattr("-i");
        });
        if (locked && chattr("+i") != 0)
            QSKIP("chattr +i is not permitted here (it needs root on ext4); CI runs as root");
        QCOMPARE(isSystemDirectory(directory), tableYes(system));
        const QString players = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(players.startsWith(home.path()));
        const bool own = tableChoice({"player's", "own"}, QStringLiteral("directory"), chosen) == 1;
        QCOMPARE(chooseDataDirectory(directory), own ? directory : players);
        const auto entries = [](const QString& path) {
            return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        };
        QCOMPARE(entries(home.path()), QStringList());
        QCOMPARE(entries(temporary.path()), QStringList(holds != "-", holds));
    }
};

QTEST_GUILESS_MAIN(CareerFilesTest)
#include "careerfiles_test.moc"
