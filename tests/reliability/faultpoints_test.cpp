// SPDX-License-Identifier: MIT
// Fails the system calls of each career operation one at a time, through libfiu's POSIX
// wrappers (the test runs under fiu-run -x). A failure the player is told of must name the
// file and the reason and leave every file as it was; a failure nobody is told of must leave
// exactly what the operation leaves without it.
#include "careerondisk.h"
#include "support/filebytes.h"

#include "play/gamestate.h"
#include "storage/recordscodec.h"
#include "storage/seasoncodec.h"
#include "views/exportwriter.h"

#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstdint>
#include <dlfcn.h>
#include <functional>

namespace {

// libfiu's control functions, found in the preloaded library rather than linked, so that a run
// outside fiu-run fails loudly instead of injecting nothing.
using FailureCallback = int(const char*, int*, void**, unsigned*);
using EnableExternal = int (*)(const char*, int, void*, unsigned, FailureCallback*);
using Disable = int (*)(const char*);

struct Injection {
    int failAt = 0; // the call that fails, counting from one; zero only counts
    int calls = 0;
};
Injection injection;

int failTheChosenCall(const char*, int*, void**, unsigned*) {
    return ++injection.calls == injection.failAt ? 1 : 0;
}

struct Point {
    const char* name;
    int error;
};
constexpr Point points[] = {
    {"posix/io/oc/open", EIO},        {"posix/io/rw/read", EIO},    {"posix/io/rw/write", EIO},
    {"posix/io/rw/write", ENOSPC},    {"posix/io/sync/fsync", EIO}, {"posix/io/sync/fsync", ENOSPC},
    {"posix/io/sync/fdatasync", EIO}, {"posix/io/dir/rename", EIO}, {"posix/io/dir/unlink", EIO},
};

struct Operation {
    const char* name;
    int gamesBefore; // games of season 1 already on disk
    // Returns what the caller learns; a failure reported other than by the messenger is added.
    std::function<QString(FileCareer&, QStringList& failures)> run;
};

// A game that breaks the yards record on disk.
GameState recordGame() {
    GameState g;
    g.GameAttempts = 32;
    g.GameCompletions = 25;
    g.GameYards = 420;
    g.GameTDs = 3;
    g.LongestInRow = 9;
    g.GameLongAttempts = 32;
    g.GameLongCompletions = 25;
    g.GameLongYards = 420;
    g.GameLongTDs = 3;
    return g;
}

const Operation operations[] = {
    {"save", 3,
     [](FileCareer& c, QStringList&) {
         c.saveStats(recordGame());
         return QString();
     }},
    {"season end", 15,
     [](FileCareer& c, QStringList&) {
         c.saveStats(recordGame());
         return QString();
     }},
    {"open", 6,
     [](FileCareer& c, QStringList&) {
         GameState state;
         return c.openStats(state) ? QStringLiteral("season %1 game %2")
                                         .arg(state.SeasonNumber)
                                         .arg(state.SeasonGames)
                                   : QStringLiteral("not open");
     }},
    {"best game", 6,
     [](FileCareer& c, QStringList&) {
         return c.checkBestGame(recordGame()) ? QStringLiteral("broken") : QStringLiteral("kept");
     }},
    {"clear", 6,
     [](FileCareer& c, QStringList&) {
         c.clearCareer();
         return QString();
     }},
    {"export", 6,
     [](FileCareer& c, QStringList& failures) {
         const ExportOutcome outcome = exportCareer(c, QStringLiteral("Sam <Sky> O'Neil"), ".");
         if (!outcome.saved)
             failures << outcome.text;
         return outcome.title;
     }},
};

void writeCareer(const QString& directory, int gamesBefore) {
    SeasonStats season;
    season.Season = 1;
    season.Games = gamesBefore;
    season.Att = season.LongAtt = 30 * gamesBefore;
    season.Comp = season.LongComp = 20 * gamesBefore;
    season.Yds = season.LongYds = 250 * gamesBefore;
    CareerRecords records;
    records.MostGameYds = 300;
    records.MostInRow = 5;
    const QDir dir(directory);
    write(dir.filePath(QStringLiteral("gdk.dat")), encodeSeason(season));
    write(dir.filePath(QStringLiteral("gdk.rec")), encodeRecords(records));
    write(dir.filePath(QStringLiteral("gdk.html")), "<p>the page of an earlier export</p>\r\n");
}

QMap<QString, QByteArray> careerFiles(const QString& directory) {
    QMap<QString, QByteArray> files;
    for (const char* name : {"gdk.dat", "gdk.rec", "gdk.html"}) {
        const QString path = QDir(directory).filePath(QString::fromLatin1(name));
        if (QFileInfo::exists(path))
            files.insert(QString::fromLatin1(name), contents(path));
    }
    return files;
}

struct Outcome {
    QString answer;
    QStringList failures;
    QMap<QString, QByteArray> files;
    QStringList strays;
    int calls = 0;
};

} // namespace

class FaultPointsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyFailedCallIsToldOrHarmless_data();
    void everyFailedCallIsToldOrHarmless();
    void cleanupTestCase();

private:
    Outcome perform(const Operation& operation, const Point& point, int failAt);

    EnableExternal m_enable = nullptr;
    Disable m_disable = nullptr;
    int m_faults = 0;
    int m_told = 0;
    QSet<QString> m_places;
};

void FaultPointsTest::initTestCase() {
    m_enable = reinterpret_cast<EnableExternal>(dlsym(RTLD_DEFAULT, "fiu_enable_external"));
    m_disable = reinterpret_cast<Disable>(dlsym(RTLD_DEFAULT, "fiu_disable"));
    QVERIFY2(m_enable && m_disable, "libfiu is not loaded: run this test under fiu-run -x "
                                    "(tools/setup.sh installs fiu-utils)");
}

Outcome FaultPointsTest::perform(const Operation& operation, const Point& point, int failAt) {
    QTemporaryDir dir;
    writeCareer(dir.path(), operation.gamesBefore);
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    Outcome outcome;
    injection = {failAt, 0};
    m_enable(point.name, 1, reinterpret_cast<void*>(static_cast<std::intptr_t>(point.error)), 0,
             failTheChosenCall);
    outcome.answer = operation.run(career, outcome.failures);
    m_disable(point.name);
    outcome.calls = injection.calls;
    for (const RecordingMessenger::Message& message : messenger.messages())
        if (message.kind != QStringLiteral("inform"))
            outcome.failures << message.text;
    outcome.files = careerFiles(dir.path());
    outcome.strays = strayFiles(dir.path());
    return outcome;
}

void FaultPointsTest::everyFailedCallIsToldOrHarmless_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("point");
    for (int o = 0; o < int(std::size(operations)); ++o)
        for (int p = 0; p < int(std::size(points)); ++p)
            QTest::addRow("%s, %s %s", operations[o].name, points[p].name,
                          qPrintable(qt_error_string(points[p].error)))
                << o << p;
}

void FaultPointsTest::everyFailedCallIsToldOrHarmless() {
    QFETCH(int, operation);
    QFETCH(int, point);
    const Operation& op = operations[operation];
    const Point& pt = points[point];
    QTemporaryDir before;
    writeCareer(before.path(), op.gamesBefore);
    const QMap<QString, QByteArray> old = careerFiles(before.path());
    const Outcome clean = perform(op, pt, 0);
    QVERIFY2(clean.failures.isEmpty(), qPrintable(clean.failures.join(u'\n')));
    const QString reason = qt_error_string(pt.error);
    bool reasonTold = false;
    int told = 0;
    const QByteArray name(pt.name);
    const bool replaces = QByteArray(op.name) != "open" && QByteArray(op.name) != "clear";
    const QRegularExpression fileAndReason(QStringLiteral("/(gdk\\.(?:dat|rec|html))[.a-z]*: \\S"));
    for (int call = 1; call <= clean.calls; ++call) {
        const Outcome failed = perform(op, pt, call);
        ++m_faults;
        m_places.insert(QStringLiteral("%1/%2/%3").arg(op.name, pt.name).arg(call));
        const QByteArray where = QByteArray(pt.name) + " call " + QByteArray::number(call);
        // A lock file whose removal failed is taken over later; nothing else may be left.
        if (QByteArray(pt.name) != "posix/io/dir/unlink")
            QVERIFY2(failed.strays.isEmpty(), qPrintable(where + ": " + failed.strays.join(u' ')));
        if (failed.failures.isEmpty()) {
            QVERIFY2(failed.files == clean.files, where);
            QCOMPARE(failed.answer, clean.answer);
            continue;
        }
        ++told;
        const QByteArray report = where + ": " + failed.failures.join(u'\n').toUtf8();
        bool named = false;
        for (const QString& text : failed.failures) {
            QVERIFY2(text.contains(QStringLiteral("/gdk.")), qPrintable(where + ": " + text));
            for (const QRegularExpressionMatch& file : fileAndReason.globalMatch(text)) {
                named = true;
                QVERIFY2(failed.files.value(file.captured(1)) == old.value(file.captured(1)),
                         report);
            }
            reasonTold = reasonTold || text.contains(reason);
        }
        QVERIFY2(named, report.constData());
        // The new content is on disk before its name is: the first flush to fail is the file's.
        if (replaces && name == "posix/io/sync/fsync" && call == 1)
            QVERIFY2(!report.contains("directory"), report.constData());
        // A file not named may only have been replaced by what the operation writes, and a
        // season that was not saved leaves no records made of it.
        bool oldOrNew = true;
        for (const QString& file : old.keys() + clean.files.keys())
            oldOrNew = oldOrNew && (failed.files.value(file) == old.value(file) ||
                                    failed.files.value(file) == clean.files.value(file));
        QVERIFY2(oldOrNew, report.constData());
        if (failed.files.value(QStringLiteral("gdk.dat")) == old.value(QStringLiteral("gdk.dat")))
            QVERIFY2(failed.files.value(QStringLiteral("gdk.rec")) ==
                         old.value(QStringLiteral("gdk.rec")),
                     report);
    }
    // Where a file is replaced, its write, its flush to disk and its rename must each be able
    // to fail in a way the player hears of.
    const bool checked = name == "posix/io/rw/write" || name == "posix/io/sync/fsync" ||
                         name == "posix/io/dir/rename";
    const bool deletes = QByteArray(op.name) == "clear" && name == "posix/io/dir/unlink";
    QVERIFY2(!((replaces && checked) || deletes) || told > 0, "no failure here was told");
    m_told += told;
    // Wherever a failure was told, the system's own reason reached the player at least once.
    if (told > 0)
        QVERIFY2(reasonTold, qPrintable(reason));
}

void FaultPointsTest::cleanupTestCase() {
    qInfo("%d faults injected at %lld places, %d of them told to the player", m_faults,
          static_cast<long long>(m_places.size()), m_told);
}

QTEST_GUILESS_MAIN(FaultPointsTest)
#include "faultpoints_test.moc"
