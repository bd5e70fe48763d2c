// SPDX-License-Identifier: MIT
// Fails the system calls of each career operation one at a time, through libfiu's POSIX
// wrappers (the test runs under fiu-run -x).
#include "support/datatable.h"
#include "support/filebytes.h"
#include "support/recordingmessenger.h"

#include "play/gamestate.h"
#include "storage/filecareer.h"
#include "storage/recordscodec.h"
#include "storage/seasoncodec.h"
#include "views/exportwriter.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <dlfcn.h>

namespace {

// libfiu's control functions, found in the preloaded library rather than linked, so that a run
// outside fiu-run fails loudly instead of injecting nothing.
using FailureCallback = int(const char*, int*, void**, unsigned*);
int (*enableFailure)(const char*, int, void*, unsigned, FailureCallback*) = nullptr;
int (*disableFailure)(const char*) = nullptr;

int failAt = 0; // the call that fails, counting from one; zero only counts
int calls = 0;
int failTheChosenCall(const char*, int*, void**, unsigned*) {
    return ++calls == failAt ? 1 : 0;
}

const QStringList fileNames{"gdk.dat", "gdk.rec", "gdk.html"};

QList<QByteArray> careerFiles(const QDir& dir) {
    QList<QByteArray> files;
    for (const QString& name : fileNames)
        files << contents(dir.filePath(name));
    return files;
}

struct Outcome {
    QList<QByteArray> before, after; // the three files
    QString answer;                  // what the operation returned
    QStringList failures;            // what the player was told had failed
};

// Runs the operation on a career of one season of `games` games while `point` fails at call `at`.
Outcome perform(const QString& operation, int games, const QByteArray& point, int error, int at) {
    QTemporaryDir dir;
    // Season 1: games, attempts, completions, yards, all of them blitzes.
    const SeasonLine season{30 * games, 20 * games, 250 * games};
    write(dir.filePath("gdk.dat"),
          encodeSeason(
              {.number = 1, .games = games, .total = season, .byType = {{{}, {}, {}, season}}}));
    CareerRecords records;
    records.mostGameYards = 300;
    write(dir.filePath("gdk.rec"), encodeRecords(records));
    write(dir.filePath("gdk.html"), "<p>the page of an earlier export</p>\r\n");
    RecordingMessenger messenger;
    FileCareer career(dir.path(), messenger);
    const GameLine blitzes{32, 25, 420};
    const GameState game{.game = blitzes, .gameByType = {{{}, {}, {}, blitzes}}};
    GameState state;
    Outcome o;
    o.before = careerFiles(dir.path());
    std::tie(failAt, calls) = std::pair{at, 0};
    enableFailure(point, 1, reinterpret_cast<void*>(std::intptr_t(error)), 0, failTheChosenCall);
    if (operation == QStringLiteral("open")) {
        const SeasonOpening opening = career.openStats(state);
        o.answer = opening == SeasonOpening::Open         ? QString::number(state.seasonGames)
                   : opening == SeasonOpening::CareerOver ? "career over"
                                                          : "not read";
    } else if (operation == QStringLiteral("best-game"))
        o.answer = career.checkBestGame(game) ? "broken" : "kept";
    else if (operation == QStringLiteral("clear"))
        career.clearCareer();
    else if (operation == QStringLiteral("export"))
        o.failures << exportCareer(career, QStringLiteral("Sam"), QStringLiteral(".")).text;
    else
        career.saveStats(game);
    disableFailure(point);
    o.failures.removeIf([](const QString& t) { return t.startsWith("gdk.html saved to "); });
    for (const Message& message : messenger.messages())
        if (message.kind != Message::Kind::Information)
            o.failures << message.text;
    o.after = careerFiles(dir.path());
    return o;
}

} // namespace

class FaultPointsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyFailedCallIsToldOrHarmless_data();
    void everyFailedCallIsToldOrHarmless();
    void cleanupTestCase() {
        qInfo("%d faults injected at %lld places, %d of them told to the player", m_faults,
              qlonglong(m_places.size()), m_told);
    }

private:
    int m_faults = 0;
    int m_told = 0;
    QSet<QString> m_places;
};

void FaultPointsTest::initTestCase() {
    enableFailure =
        reinterpret_cast<decltype(enableFailure)>(dlsym(RTLD_DEFAULT, "fiu_enable_external"));
    disableFailure = reinterpret_cast<decltype(disableFailure)>(dlsym(RTLD_DEFAULT, "fiu_disable"));
    QVERIFY2(enableFailure && disableFailure, "libfiu is not loaded: run this test under fiu-run "
                                              "-x (tools/setup.sh installs fiu-utils)");
}

void FaultPointsTest::everyFailedCallIsToldOrHarmless_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("call");
    QTest::addColumn<QString>("told");
    QList<QStringList> rows = tableRows(QStringLiteral("storage/fault-points.txt"));
    const QStringList columns = rows.takeFirst();
    for (const QString& call : columns.mid(1))
        tableChoice({"EIO", "ENOSPC"}, QStringLiteral("error"), call.section(u':', 1));
    for (const QStringList& row : rows) {
        tableChoice({"save", "season-end", "open", "best-game", "clear", "export"},
                    QStringLiteral("operation"), row[0]);
        for (const QString& told : row.mid(1))
            tableChoice({"may", "must"}, QStringLiteral("telling"), told);
        for (qsizetype c = 1; c < columns.size(); ++c)
            QTest::addRow("%s %s", qPrintable(row[0]), qPrintable(columns[c]))
                << row[0] << columns[c] << row.value(c);
    }
}

// A failure the player is told of names the file and the reason and leaves that file as it was;
// one nobody is told of changes nothing.
void FaultPointsTest::everyFailedCallIsToldOrHarmless() {
    QFETCH(QString, operation);
    QFETCH(QString, call);
    QFETCH(QString, told);
    const int games = operation == QStringLiteral("season-end") ? 15 : 6;
    const QByteArray point = "posix/io/" + call.section(u':', 0, 0).toLatin1();
    const int error = call.endsWith(QStringLiteral("ENOSPC")) ? ENOSPC : EIO;
    const Outcome clean = perform(operation, games, point, error, 0);
    QVERIFY2(clean.failures.isEmpty(), qPrintable(clean.failures.join(u'\n')));
    static const QRegularExpression fileAndReason(QStringLiteral("/(gdk\\.\\w+)[.a-z]*: \\S"));
    int toldHere = 0;
    bool reasonTold = false;
    for (int at = 1, made = calls; at <= made; ++at) {
        const Outcome failed = perform(operation, games, point, error, at);
        ++m_faults;
        m_places.insert(operation + point + QString::number(at));
        const QString text = failed.failures.join(u'\n');
        const QString where = QStringLiteral("call %1: %2").arg(at).arg(text);
        if (text.isEmpty()) {
            QVERIFY2(failed.after == clean.after && failed.answer == clean.answer,
                     qPrintable(where));
            continue;
        }
        // Each file is the old or the new one; a season not saved leaves no records made of it.
        for (qsizetype f = 0; f < fileNames.size(); ++f)
            QVERIFY2(failed.after[f] == clean.before[f] || failed.after[f] == clean.after[f],
                     qPrintable(where));
        QVERIFY2(failed.after[0] != clean.before[0] || failed.after[1] == clean.before[1],
                 qPrintable(where));
        // A career that could not be read is never taken for a complete one.
        QVERIFY2(operation != QStringLiteral("open") || failed.answer == "not read",
                 qPrintable(where));
        ++toldHere;
        reasonTold = reasonTold || text.contains(qt_error_string(error));
        QVERIFY2(text.contains(fileAndReason), qPrintable(where));
        for (const QRegularExpressionMatch& file : fileAndReason.globalMatch(text)) {
            const qsizetype f = fileNames.indexOf(file.captured(1));
            QVERIFY2(failed.after[f] == clean.before[f], qPrintable(where));
        }
        // The new content is on disk before its name is: the first flush to fail is the file's.
        QVERIFY2(!point.endsWith("/fsync") || at > 1 || !text.contains("directory"),
                 qPrintable(where));
    }
    QVERIFY2(told != QStringLiteral("must") || toldHere > 0, "no failure here was told");
    QVERIFY2(toldHere == 0 || reasonTold, qPrintable(qt_error_string(error)));
    m_told += toldHere;
}

QTEST_GUILESS_MAIN(FaultPointsTest)
#include "faultpoints_test.moc"
