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

// The bytes of a file as a recipe in the fields of damaged-files.txt describes it.
QByteArray fileOf(const QString& recipe) {
    const QStringList names{"games", "attempts", "numbers", "times", "records", "stray"};
    QMap<QString, QString> fields;
    for (const auto& [name, value] : tableLine(recipe)) {
        if (!names.contains(name) || fields.contains(name))
            unknownWord(QStringLiteral("file field (or one given twice)"),
                        name.isEmpty() ? value : name);
        fields.insert(name, value);
    }
    const auto list = [&](const char* name) {
        QList<int> numbers;
        for (const QString& number : fields.value(name).split(u',', Qt::SkipEmptyParts))
            numbers << tableInt(number);
        return numbers;
    };
    const QList<int> games = list("games"), attempts = list("attempts"), numbers = list("numbers");
    if (attempts.size() != games.size() || (!numbers.isEmpty() && numbers.size() != games.size()))
        unknownWord(QStringLiteral("file of as many attempts and numbers as seasons"), recipe);
    QByteArray bytes;
    for (int i = 0; i < games.size() * tableInt(fields.value("times", "1")); ++i) {
        const auto at = i % games.size();
        bytes += encodeSeason({.number = numbers.isEmpty() ? i + 1 : numbers[at],
                               .games = games[at],
                               .total = {.attempts = attempts[at]},
                               .byType = {{{.attempts = attempts[at]}}}});
    }
    if (fields.contains("records"))
        bytes += encodeRecords({tableInt(fields["records"]), 0, 0, 0, {}, 0, 0, 0, {}, {}});
    return bytes + QByteArray(tableInt(fields.value("stray", "0")), 'x');
}

// Notes each replacement step and each message as it comes: whether the file's lock is held at
// its rename and at the flush of its directory, and whether another copy of the game could take
// both locks while the player reads a message.
class StepTrace final : public Messenger {
public:
    explicit StepTrace(const QString& directory) : m_directory(directory) {
        setFileFault([this](const QString& path, FileStep step) {
            if (step != FileStep::Open)
                steps << QFileInfo(path).fileName() +
                             (step == FileStep::Rename ? " renamed" : " flushed") +
                             (QFileInfo::exists(path + ".lock") ? ", locked" : "");
            return QString();
        });
    }
    ~StepTrace() override { setFileFault({}); }
    bool show(const Message& message) override {
        QLockFile seasons(m_directory.filePath(QStringLiteral("gdk.dat.lock")));
        QLockFile records(m_directory.filePath(QStringLiteral("gdk.rec.lock")));
        const bool free = seasons.tryLock(0) && records.tryLock(0);
        steps << message.title + (free ? ", both locks free" : ", locked");
        return false;
    }
    QStringList steps;

private:
    QDir m_directory;
};

// A season of impossible-seasons.txt: the table's possible season with the row's changes.
SeasonStats changedSeason(const QString& changes) {
    SeasonStats s{
        .number = 1,
        .games = 2,
        .total = {60, 30, 400, 3, 2},
        .byType = {
            {{15, 10, 80, 1, 0}, {15, 8, 100, 1, 1}, {15, 6, 120, 0, 1}, {14, 6, 100, 1, 0}}}};
    const QStringList lines{"short", "medium", "long", "blitz"};
    const QStringList fields{"att", "comp", "yds", "td", "int"};
    for (const QString& change : changes.split(u' ', Qt::SkipEmptyParts)) {
        QString name = change.section(u'=', 0, 0);
        const int value = tableInt(change.section(u'=', 1));
        if (name == u"season" || name == u"games") {
            (name == u"season" ? s.number : s.games) = value;
            continue;
        }
        qsizetype type = 0;
        while (type < lines.size() && !name.startsWith(lines[type]))
            ++type;
        SeasonLine& l = type < lines.size() ? s.byType[std::size_t(type)] : s.total;
        const qsizetype field =
            fields.indexOf(type < lines.size() ? name.mid(lines[type].size()) : name);
        if (field < 0)
            unknownWord(QStringLiteral("field"), name);
        std::int32_t* counts[] = {&l.attempts, &l.completions, &l.yards, &l.touchdowns,
                                  &l.interceptions};
        *counts[field] = value;
    }
    return s;
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

// Where many saves cost no disk flushes.
QString scratchDirectory() {
    return QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/gridlark-XXXXXX")
                                                     : QDir::tempPath() + "/gridlark-XXXXXX";
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
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void recordsFallOnlyToStrictlyBetter();
    void reservedBytesSurviveAnUpdate();
    void damagedFilesAreToldAndKept_data() { addTableRows("storage/damaged-files.txt"); }
    void damagedFilesAreToldAndKept();
    void impossibleSeasonsAreDamaged_data() { addTableRows("storage/impossible-seasons.txt"); }
    void impossibleSeasonsAreDamaged();
    void noPlayedCareerIsDamaged();
    void hostileFilesAreRefusedUnread_data() { addTableRows("storage/hostile-files.txt"); }
    void hostileFilesAreRefusedUnread();
    void aFailedSaveIsOfferedAgainAndGivenUpWhole();
    void filesAreReplacedUnderTheirLocksAndMessagesComeWithout();
    void whereTheFilesLive_data() { addTableRows("storage/data-directories.txt"); }
    void whereTheFilesLive();
};

// The table's rows are one career: each is checked against the records the rows above left.
void CareerFilesTest::recordsFallOnlyToStrictlyBetter() {
    QList<QStringList> rows = tableRows(QStringLiteral("storage/record-checks.txt"));
    const QStringList header = rows.takeFirst();
    CareerRecords records;
    for (const QStringList& row : rows) {
        const auto at = [&](const char* column) {
            return tableInt(row[tableChoice(header, QStringLiteral("column"), column)]);
        };
        const auto count = [&](const char* column) { return std::int16_t(at(column)); };
        if (tableChoice({"season", "game"}, QStringLiteral("check"), row[0]) == 1) {
            const GameState game{
                .game = {count("att"), count("comp"), count("yds"), count("td"), count("int")},
                .longestInRow = count("row")};
            QCOMPARE(checkBestGame(game, records), tableYes(row[header.indexOf("broken")]));
        } else {
            checkSeasonRecords(
                {.games = 16, .total = {at("att"), at("comp"), at("yds"), at("td"), at("int")}},
                records);
        }
        QCOMPARE(recordsText(records), row.last());
    }
}

void CareerFilesTest::reservedBytesSurviveAnUpdate() {
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

void CareerFilesTest::damagedFilesAreToldAndKept() {
    QFETCH(QString, file);
    QFETCH(QString, bytes);
    QFETCH(QString, reader);
    QFETCH(QString, problem);
    CareerDir c;
    const QString path = c.dir.filePath(file);
    const QByteArray damaged = fileOf(bytes);
    write(path, damaged);
    GameState s; // a new game that could not open falls to the last branch, and fails there
    tableChoice({"open", "peek", "records"}, QStringLiteral("reader"), reader);
    if (reader == QStringLiteral("open") && c.career.openStats(s) == SeasonOpening::Open)
        QTEST(QString::asprintf("season %d, %d games, %d attempts", s.seasonNumber, s.seasonGames,
                                s.season.attempts),
              "reads");
    else if (reader == QStringLiteral("peek"))
        QTEST(QStringLiteral("%1 seasons").arg(c.career.peekSeasons().seasons.size()), "reads");
    else
        QTEST(QStringLiteral("%1 yards").arg(c.career.loadRecords().mostGameYards), "reads");
    // Unless only looked at, a damaged file is kept under another name and mended.
    const bool mended = !problem.isEmpty() && reader != QStringLiteral("peek");
    const QStringList kept = QDir(c.dir.path()).entryList({file + QStringLiteral(".damaged-*")});
    QCOMPARE(kept.size(), qsizetype(mended));
    QCOMPARE(contents(mended ? c.dir.filePath(kept[0]) : path), damaged);
    QCOMPARE(c.messenger.titles(), problem.isEmpty() ? QStringList() : QStringList{"Damaged File"});
    if (!problem.isEmpty())
        QVERIFY(c.messenger.messages()[0].text.startsWith(path + " is damaged: " + problem + '.'));
    if (!mended)
        return;
    QVERIFY(readSeasonsContent(contents(c.dat())).problem.isEmpty());
    QVERIFY(readRecordsContent(contents(c.career.recordsPath())).problem.isEmpty());
    // Play goes on.
    QVERIFY(c.career.saveStats(aGame));
    c.career.checkBestGame(aGame);
    QCOMPARE(c.messenger.messages().size(), 1);
}

void CareerFilesTest::impossibleSeasonsAreDamaged() {
    QFETCH(QString, changes);
    QFETCH(QString, problem);
    const SeasonStats season = changedSeason(changes);
    const SeasonsContent content = readSeasonsContent(encodeSeason(season));
    QCOMPARE(content.seasons.size(), std::size_t(1));
    SeasonStats kept = season;
    kept.number = 1;
    if (problem == u"renumbered") {
        QCOMPARE(content.problem, QStringLiteral("season 1 is numbered %1").arg(season.number));
    } else if (!problem.isEmpty()) {
        QCOMPARE(content.problem, "season 1 holds impossible figures (" + problem + ')');
        kept = SeasonStats{.number = 1};
    } else {
        QCOMPARE(content.problem, QString());
    }
    QVERIFY(content.seasons[0] == kept);
}

// Careers as they are played never read as damaged: several seeds, two copies of the game taking
// turns on one career (both may finish season 15 and go on to a 16th), every stop of the meter,
// and throws with no play type. Nor does the pinned career.
void CareerFilesTest::noPlayedCareerIsDamaged() {
    for (std::uint64_t seed = 1; seed <= 4; ++seed) {
        QTemporaryDir dir(scratchDirectory());
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

void CareerFilesTest::hostileFilesAreRefusedUnread() {
    QFETCH(QString, file);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const bool seasons = tableChoice({"gdk.rec", "gdk.dat"}, QStringLiteral("file"), file) == 1;
    const QStringList readers = seasons ? QStringList{"career", "pass types", "save", "export"}
                                        : QStringList{"records", "save", "export"};
    for (const QString& reader : readers) {
        CareerDir c;
        const QString path = c.dir.filePath(file);
        const QString other = c.dir.filePath(seasons ? "gdk.rec" : "gdk.dat");
        write(other, seasons ? QByteArray::fromHex("2c01").leftJustified(52, 0)
                             : fileOf(QStringLiteral("games=3 attempts=90")));
        write(c.dir.filePath("gdk.html"), "<p>an earlier page</p>");
        QVERIFY(makeHostileFile(path, kind));
        const QString shape = fileShape(path);
        QStringList told;
        if (reader == u"career")
            c.career.loadSeasons();
        else if (reader == u"records")
            c.career.loadRecords();
        else if (reader == u"pass types")
            told << c.career.peekSeasons().note;
        else if (reader == u"export")
            told << exportCareer(c.career, QStringLiteral("Sam"), QStringLiteral(".")).text;
        else if (seasons)
            c.career.saveStats(aGame);
        else
            c.career.checkBestGame(aGame);
        for (const Message& message : c.messenger.messages())
            told << message.text;
        const bool damaged = kind == u"huge";
        const bool mends = damaged && reader != u"pass types" && reader != u"export";
        const QString expected = path +
                                 (!damaged              ? QStringLiteral(": ")
                                  : reader == u"export" ? QStringLiteral(": it is damaged: ")
                                                        : QStringLiteral(" is damaged: ")) +
                                 reason;
        QVERIFY2(told.join(u'\n').contains(expected), qPrintable(reader + ": " + told.join(u'\n')));
        const QStringList kept = QDir(c.dir.path()).entryList({file + ".damaged-*"});
        QCOMPARE(kept.size(), qsizetype(mends));
        QCOMPARE(fileShape(mends ? c.dir.filePath(kept[0]) : path), shape);
        QCOMPARE(contents(c.dir.filePath("gdk.html")), QByteArray("<p>an earlier page</p>"));
        QCOMPARE(QFileInfo(other).size(), seasons ? 52 : 110);
    }
}

void CareerFilesTest::aFailedSaveIsOfferedAgainAndGivenUpWhole() {
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
    setFileFault({});
    QCOMPARE(decodeSeason(contents(c.dat())).total.attempts, 60);
    // Failed twice, given up; failed once, retried, saved.
    QCOMPARE(c.messenger.titles(), QStringList(4, QStringLiteral("Game Not Saved")));
    QVERIFY(c.messenger.messages()[0].text.contains(c.dat() + ": Input/output error"));
    QVERIFY(c.messenger.messages()[2].text.contains("is as it was, and no record was checked"));
    // Given up where there was no file, it is not said to be as it was.
    CareerDir fresh;
    setFileFault([](const QString&, FileStep) { return QStringLiteral("Input/output error"); });
    QVERIFY(!fresh.career.saveStats(aGame));
    setFileFault({});
    QCOMPARE(fresh.messenger.messages().last().text,
             "The game was not saved; nothing was written to " + fresh.dat() +
                 ", and no record was checked against the game.");
}

void CareerFilesTest::filesAreReplacedUnderTheirLocksAndMessagesComeWithout() {
    QTemporaryDir dir;
    StepTrace trace(dir.path());
    FileCareer career(dir.path(), trace);
    write(career.seasonsPath(), fileOf(QStringLiteral("games=15 attempts=0 stray=3")));
    career.saveStats(aGame);
    career.checkBestGame(aGame);
    exportCareer(career, QStringLiteral("Kim"), QStringLiteral("."));
    write(career.seasonsPath(), fileOf(QStringLiteral("games=16 attempts=0 times=15 stray=3")));
    GameState state;
    career.openStats(state);
    QStringList expected;
    for (const QStringList& row : tableRows(QStringLiteral("storage/replacement-steps.txt")))
        expected << row[0];
    QCOMPARE(QStringList{"step"} + trace.steps, expected);
}

void CareerFilesTest::whereTheFilesLive() {
    QFETCH(QString, directory);
    QFETCH(QString, holds);
    QFETCH(QString, chosen);
    QTemporaryDir temporary;
    QTemporaryDir home; // the player's data directory is in it
    directory.replace(QStringLiteral("TEMP"), temporary.path());
    tableChoice({"-", "gdk.dat", "gdk.rec"}, QStringLiteral("career file"), holds);
    if (holds != QStringLiteral("-"))
        write(QDir(directory).filePath(holds), fileOf(QStringLiteral("games=3 attempts=90")));
    QFETCH(QString, immutable);
    const bool locked = tableYes(immutable);
    const QByteArray ownHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    const auto undo = qScopeGuard([&] {
        qputenv("HOME", ownHome);
        if (locked)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), directory});
    });
    if (locked &&
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), directory}) != 0)
        QSKIP("chattr +i is not permitted here (it needs root on ext4); CI runs as root");
    QFETCH(QString, system);
    QCOMPARE(isSystemDirectory(directory), tableYes(system));
    const QString players = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(players.startsWith(home.path()));
    const bool own = tableChoice({"player's", "own"}, QStringLiteral("directory"), chosen) == 1;
    QCOMPARE(chooseDataDirectory(directory), own ? directory : players);
    const auto entries = [](const QString& path) {
        return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    QCOMPARE(entries(home.path()), QStringList());
    QCOMPARE(entries(temporary.path()),
             holds == QStringLiteral("-") ? QStringList() : QStringList{holds});
}

QTEST_GUILESS_MAIN(CareerFilesTest)
#include "careerfiles_test.moc"
