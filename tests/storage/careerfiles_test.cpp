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
    QMap<QString, QList<int>> f;
    for (const auto& [name, value] : tableLine(recipe)) {
        const QStringList names{"games", "attempts", "numbers", "times", "records", "stray"};
        if (!names.contains(name) || f.contains(name))
            unknownWord("file field (or one given twice)", name + '=' + value);
        for (const QString& number :
             names.indexOf(name) < 3 ? value.split(u',') : QStringList{value})
            f[name] << tableInt(number);
    }
    const QList<int> games = f["games"], numbers = f.value("numbers", games);
    if (f["attempts"].size() != games.size() || numbers.size() != games.size())
        unknownWord("file of as many attempts and numbers as games", recipe);
    QByteArray bytes;
    for (int i = 0; i < games.size() * f.value("times", {1})[0]; ++i) {
        const auto at = i % games.size();
        const SeasonLine line{.attempts = f["attempts"][at]};
        bytes += encodeSeason(
            {f.contains("numbers") ? numbers[at] : i + 1, games[at], line, 0, {{line}}});
    }
    for (const int yards : f["records"])
        bytes += encodeRecords({yards, 0, 0, 0, {}, 0, 0, 0, {}, {}});
    return bytes + QByteArray(f.value("stray", {0})[0], 'x');
}

// Notes each message as it comes, and whether another copy of the game could take both of the
// career's locks while the player reads it.
struct LockWatch final : Messenger {
    QString directory;
    QList<QStringList> steps; // one a row, as replacement-steps.txt has them
    bool show(const Message& message) override {
        QLockFile seasons(directory + "/gdk.dat.lock"), records(directory + "/gdk.rec.lock");
        const bool free = seasons.tryLock(0) && records.tryLock(0);
        steps.append({message.title + (free ? ", both locks free" : ", locked")});
        return false;
    }
};

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
        CareerRecords records;
        QList<QStringList> rows = tableRows("storage/record-checks.txt");
        QCOMPARE(rows.takeFirst().join(u' '), "check att comp yds td int row broken records");
        for (const QStringList& row : rows) {
            QCOMPARE(row.size(), 9);
            const auto count = [&](qsizetype at) { return std::int16_t(tableInt(row[at])); };
            const GameLine line{count(1), count(2), count(3), count(4), count(5)};
            if (tableChoice({"season", "game"}, "check", row[0]) == 0)
                checkSeasonRecords({.games = 16, .total = line}, records);
            else
                QCOMPARE(checkBestGame({.game = line, .longestInRow = count(6)}, records),
                         tableYes(row[7]));
            QCOMPARE(recordsText(records), row[8]);
        }
    }

    void reservedBytesSurviveAnUpdate() {
        CareerDir c;
        write(c.dat(), encodeSeason({.number = 1, .games = 2, .reserved = 0x7a5b}));
        QVERIFY(c.career.saveStats(aGame));
        const QByteArray bytes = contents(c.dat());
        QCOMPARE(bytes.first(12), QByteArray::fromHex("01000000 03000000 1e000000"));
        QCOMPARE(bytes.mid(28, 6), QByteArray::fromHex("5b7a 05000000")); // reserved, shortAttempts
        QCOMPARE(bytes.mid(90, 4), QByteArray::fromHex("18000000"));      // blitzAttempts
        QCOMPARE(bytes.mid(106), QByteArray::fromHex("00000000")); // blitzInterceptions, the last
    }

    void damagedFilesAreToldAndKept_data() { addTableRows("storage/damaged-files.txt"); }
    void damagedFilesAreToldAndKept() {
        QFETCH(QString, file);
        QFETCH(QString, reader);
        QFETCH(QString, problem);
        CareerDir c;
        const QString path = c.dir.filePath(file);
        QFETCH(QString, bytes);
        write(path, fileOf(bytes));
        const auto read = tableChoice({"open", "peek", "records"}, "reader", reader);
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
        QCOMPARE(contents(mended ? c.dir.filePath(kept[0]) : path), fileOf(bytes));
        QCOMPARE(c.messenger.titles(), QStringList(!problem.isEmpty(), "Damaged File"));
        QVERIFY(problem.isEmpty() ||
                c.messenger.messages()[0].text.startsWith(path + " is damaged: " + problem + '.'));
        if (!mended)
            return;
        // Play goes on, and the mended file is not found damaged again.
        QVERIFY(c.career.saveStats(aGame));
        c.career.checkBestGame(aGame);
        QCOMPARE(c.messenger.messages().size(), 1);
    }

    void impossibleSeasonsAreDamaged_data() { addTableRows("storage/impossible-seasons.txt"); }
    void impossibleSeasonsAreDamaged() {
        QFETCH(QString, changes);
        QFETCH(QString, problem);
        // The table's possible season: its number and games, then the season's line and each pass
        // type's, with the row's changes.
        std::array<std::int32_t, 27> v{1,   2, 60, 30, 400, 3,   2, 15, 10, 80, 1,   0, 15, 8,
                                       100, 1, 1,  15, 6,   120, 0, 1,  14, 6,  100, 1, 0};
        QStringList names{"season", "games"};
        for (const QString line : {"", "short", "medium", "long", "blitz"})
            for (const char* count : {"att", "comp", "yds", "td", "int"})
                names << line + count;
        for (const auto& [name, value] : tableLine(changes))
            v[std::size_t(tableChoice(names, "field", name))] = tableInt(value);
        const auto line = [&](std::size_t at) {
            return SeasonLine{v[at], v[at + 1], v[at + 2], v[at + 3], v[at + 4]};
        };
        const SeasonStats season{v[0], v[1], line(2), 0, {{line(7), line(12), line(17), line(22)}}};
        const SeasonsContent content = readSeasonsContent(encodeSeason(season));
        const bool renumbered = problem == u"renumbered",
                   emptied = !renumbered && !problem.isEmpty();
        QCOMPARE(content.problem, renumbered
                                      ? QStringLiteral("season 1 is numbered %1").arg(season.number)
                                  : emptied ? "season 1 holds impossible figures (" + problem + ')'
                                            : QString());
        SeasonStats kept = emptied ? SeasonStats() : season;
        kept.number = 1;
        QCOMPARE(content.seasons, std::vector{kept});
    }

    // Careers as they are played never read as damaged: several seeds, two copies of the game
    // taking turns on one career (both may finish season 15 and go on to a 16th), stopping the
    // meter at each value from 1 to a full meter in turn, and now and then choosing New Game during
    // a snap, so that the throw has no play type. Nor does the pinned career.
    void noPlayedCareerIsDamaged() {
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
            // Where many saves cost no disk flushes.
            QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/gridlark-XXXXXX")
                                                        : QDir::tempPath() + "/gridlark-XXXXXX");
            RecordingMessenger messenger;
            MixingRandomSource random(seed);
            FileCareer first(dir.path(), messenger), second(dir.path(), messenger);
            GameSession one(random, first, "."), other(random, second, ".");
            int stop = 0;
            for (one.newGame(), other.newGame(); one.playing() || other.playing();
                 one.newGame(), other.newGame())
                for (GameSession* session : {&one, &other})
                    while (session->playing()) {
                        session->press();
                        stop = stop % MeterMaximum + 1;
                        if (drawFloorPlusOne(random, 50) == 1)
                            session->newGame(); // the meter stands still until the press
                        else
                            while (session->meterRunning() && session->state().meter < stop)
                                session->tick();
                        session->press();
                    }
            const SeasonsContent played = readSeasonsContent(contents(first.seasonsPath()));
            QVERIFY(played.seasons.size() >= 15 && played.problem.isEmpty());
            QVERIFY(!messenger.titles().contains("Damaged File"));
        }
        const SeasonsContent pinned =
            readSeasonsContent(contents(GRIDLARK_TEST_DATA "/career-gdk.dat"));
        QVERIFY(pinned.seasons.size() == 15 && pinned.problem.isEmpty());
    }

    // Each row is given to every reader of its file in hostile-readers.txt.
    void hostileFilesAreRefusedUnread_data() { addTableRows("storage/hostile-files.txt"); }
    void hostileFilesAreRefusedUnread() {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const bool seasons = tableChoice({"gdk.rec", "gdk.dat"}, "file", file) == 1;
        const QString other = seasons ? "gdk.rec" : "gdk.dat"; // left as it was
        const QByteArray others = fileOf(seasons ? "records=300" : "games=3 attempts=90");
        for (const QStringList& row : tableRows("storage/hostile-readers.txt").mid(1)) {
            if (row[0] != file)
                continue;
            CareerDir c;
            const QString path = c.dir.filePath(file), page = c.dir.filePath("gdk.html");
            write(c.dir.filePath(other), others);
            write(page, "<p>an earlier page</p>");
            QVERIFY(makeHostileFile(path, kind));
            const QString shape = fileShape(path);
            tableChoice(readers.keys(), "reader", row[1]);
            QStringList told{readers[row[1]](c.career)};
            for (const Message& message : c.messenger.messages())
                told << message.text;
            const bool huge = kind == u"huge", mends = huge && tableYes(row[3]);
            const QString expected = QString(huge ? row[2] : "PATH: REASON")
                                         .replace("PATH", path)
                                         .replace("REASON", reason);
            QVERIFY2(told.join(u'\n').contains(expected),
                     qPrintable(row[1] + ": " + told.join(u'\n')));
            const QStringList kept = QDir(c.dir.path()).entryList({file + ".damaged-*"});
            QCOMPARE(kept.size(), qsizetype(mends));
            QCOMPARE(fileShape(mends ? c.dir.filePath(kept[0]) : path), shape);
            QCOMPARE(contents(page), QByteArray("<p>an earlier page</p>"));
            QCOMPARE(contents(c.dir.filePath(other)), others);
        }
    }

    void aFailedSaveIsOfferedAgainAndGivenUpWhole() {
        CareerDir c, fresh;
        QVERIFY(c.career.saveStats(aGame));
        const QByteArray seasons = contents(c.dat());
        int failures = 3;
        setFileFault([&](const QString&, FileStep step) {
            return step == FileStep::Open && failures-- > 0 ? "Input/output error" : QString();
        });
        c.messenger.setRetries(1);
        QVERIFY(!c.career.saveStats(aGame));
        QCOMPARE(contents(c.dat()), seasons);
        c.messenger.setRetries(1);
        QVERIFY(c.career.saveStats(aGame));
        failures = 1;
        QVERIFY(!fresh.career.saveStats(aGame));
        setFileFault({});
        QCOMPARE(decodeSeason(contents(c.dat())).total.attempts, 60);
        // Failed twice, given up; failed once, retried, saved.
        QCOMPARE(c.messenger.titles(), QStringList(4, "Game Not Saved"));
        QVERIFY(c.messenger.messages()[0].text.contains(c.dat() + ": Input/output error"));
        QVERIFY(c.messenger.messages()[2].text.contains("is as it was, and no record was checked"));
        // Given up where there was no file, it is not said to be as it was.
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
                watch.steps.append({QFileInfo(path).fileName() +
                                    (step == FileStep::Rename ? " renamed" : " flushed") +
                                    (QFileInfo::exists(path + ".lock") ? ", locked" : "")});
            return QString();
        });
        FileCareer career(dir.path(), watch);
        write(career.seasonsPath(), fileOf("games=15 attempts=0 stray=3"));
        career.saveStats(aGame);
        career.checkBestGame(aGame);
        exportCareer(career, "Kim", ".");
        write(career.seasonsPath(), fileOf("games=16 attempts=0 times=15 stray=3"));
        GameState state;
        career.openStats(state);
        setFileFault({});
        QCOMPARE(QList<QStringList>{{"step"}} + watch.steps,
                 tableRows("storage/replacement-steps.txt"));
    }

    void whereTheFilesLive_data() { addTableRows("storage/data-directories.txt"); }
    void whereTheFilesLive() {
        QFETCH(QString, directory);
        QFETCH(QString, holds);
        QTemporaryDir temporary, home; // the player's data directory is in home
        directory.replace("TEMP", temporary.path());
        if (tableChoice({"-", "gdk.dat", "gdk.rec"}, "career file", holds) > 0)
            write(QDir(directory).filePath(holds), fileOf("games=3 attempts=90"));
        QFETCH(QString, immutable);
        const bool locked = tableYes(immutable);
        const QByteArray ownHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        const auto undo = qScopeGuard([&] {
            qputenv("HOME", ownHome);
            if (locked)
                QProcess::execute("chattr", {"-i", directory});
        });
        if (locked && QProcess::execute("chattr", {"+i", directory}) != 0)
            QSKIP("chattr +i is not permitted here (it needs root on ext4); CI runs as root");
        QFETCH(QString, system);
        QCOMPARE(isSystemDirectory(directory), tableYes(system));
        const QString players = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(players.startsWith(home.path()));
        QFETCH(QString, chosen);
        const bool own = tableChoice({"player's", "own"}, "directory", chosen) == 1;
        QCOMPARE(chooseDataDirectory(directory), own ? directory : players);
        const auto all = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        QCOMPARE(QDir(home.path()).entryList(all), QStringList());
        QCOMPARE(QDir(temporary.path()).entryList(all), QStringList(holds != "-", holds));
    }
};

QTEST_GUILESS_MAIN(CareerFilesTest)
#include "careerfiles_test.moc"
