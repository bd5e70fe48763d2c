// SPDX-License-Identifier: MIT
// gridlark-sim with its file calls failing (under fiu-run), on a genuinely full disk (a small
// tmpfs, where mounting is permitted) and with a directory where the page should go: each run
// must end normally, say which file failed and why, fail its status, and change no file.
#include "careerondisk.h"
#include "simrun.h"
#include "support/filebytes.h"

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>

namespace {

QMap<QString, QByteArray> careerFiles(const QString& directory) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(directory).entryList(QDir::Files))
        files.insert(name, contents(QDir(directory).filePath(name)));
    return files;
}

// A career of three games, as the simulator leaves it.
void playThreeGames(const QString& directory) {
    const SimRun run = runSim({QStringLiteral("--dir"), directory, QStringLiteral("--games"),
                               QStringLiteral("3"), QStringLiteral("--seed"), QStringLiteral("1")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
}

const QStringList oneGame{QStringLiteral("--games"), QStringLiteral("1"), QStringLiteral("--seed"),
                          QStringLiteral("5"), QStringLiteral("--csv")};
const QStringList exportPage{QStringLiteral("--export"), QStringLiteral("Sam")};

// A failed run: no signal, no sanitizer report, a failing status, the file and the reason told,
// and the directory byte for byte as before.
void checkFailedRun(const SimRun& run, const QString& directory,
                    const QMap<QString, QByteArray>& before, const QString& reason) {
    QCOMPARE(run.status, QProcess::NormalExit);
    QVERIFY2(!run.err.contains(QStringLiteral("Sanitizer")) &&
                 !run.err.contains(QStringLiteral("runtime error")),
             qPrintable(run.err));
    QVERIFY2(run.exitCode == 1, qPrintable(run.err));
    const QRegularExpression titled(QStringLiteral("^[A-Z][A-Za-z ]+: \\S"),
                                    QRegularExpression::MultilineOption);
    const QRegularExpression named(QStringLiteral("%1/gdk\\.(dat|rec|html)[.a-z]*: \\S")
                                       .arg(QRegularExpression::escape(directory)));
    QVERIFY2(titled.match(run.err).hasMatch() && named.match(run.err).hasMatch(),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(reason), qPrintable(reason + QStringLiteral(" not in ") + run.err));
    QVERIFY2(!run.out.contains("gdk.html saved"), qPrintable(run.out));
    QVERIFY(careerFiles(directory) == before);
}

} // namespace

class SimFaultsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aFailingCallIsToldAndChangesNothing_data();
    void aFailingCallIsToldAndChangesNothing();
    void aFullDiskIsToldAndTheGameCanBeSavedLater();
    void aDirectoryWherethePageGoesIsTold();
    void cleanupTestCase();

private:
    int m_runs = 0;
};

void SimFaultsTest::initTestCase() {
    QVERIFY2(QFileInfo(QStringLiteral(GRIDLARK_FIU_RUN)).isExecutable(),
             "fiu-run was not found: install fiu-utils (tools/setup.sh does)");
}

void SimFaultsTest::aFailingCallIsToldAndChangesNothing_data() {
    QTest::addColumn<QString>("point");
    QTest::addColumn<int>("error");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("mustFail");
    // Flushes to disk that nothing depends on (the lock file's, and the second one Qt makes
    // after the checked one) may fail unheard; the checked ones, of the file and then of its
    // directory, use fsync. A lock file that can never be removed holds the next lock of the
    // same run for its whole wait, so removal fails only where nothing is locked twice.
    const struct {
        const char* point;
        int error;
        bool mustFail;
    } faults[] = {
        {"posix/io/oc/open", EIO, true},         {"posix/io/rw/read", EIO, true},
        {"posix/io/rw/write", EIO, true},        {"posix/io/rw/write", ENOSPC, true},
        {"posix/io/sync/fsync", EIO, true},      {"posix/io/sync/fsync", ENOSPC, true},
        {"posix/io/sync/fdatasync", EIO, false}, {"posix/io/dir/rename", EIO, true},
    };
    for (const auto& fault : faults) {
        const QString reason = qt_error_string(fault.error);
        for (const auto& [name, arguments] : {std::pair{"game", oneGame}, {"export", exportPage}})
            QTest::addRow("%s, %s %s", name, fault.point, qPrintable(reason))
                << QString::fromLatin1(fault.point) << fault.error << arguments << fault.mustFail;
    }
    QTest::addRow("export, posix/io/dir/unlink")
        << QStringLiteral("posix/io/dir/unlink") << EIO << exportPage << false;
}

void SimFaultsTest::aFailingCallIsToldAndChangesNothing() {
    QFETCH(QString, point);
    QFETCH(int, error);
    QFETCH(QStringList, arguments);
    QFETCH(bool, mustFail);
    QTemporaryDir dir;
    playThreeGames(dir.path());
    write(QDir(dir.path()).filePath(QStringLiteral("gdk.html")), "<p>an earlier page</p>\r\n");
    const QMap<QString, QByteArray> before = careerFiles(dir.path());
    const QStringList fiu{QStringLiteral(GRIDLARK_FIU_RUN),
                          QStringLiteral("-x"),
                          QStringLiteral("-f"),
                          QString(),
                          QStringLiteral("-c"),
                          QStringLiteral("enable name=%1,failinfo=%2").arg(point).arg(error)};
    const SimRun run = runSim(QStringList{QStringLiteral("--dir"), dir.path()} + arguments, fiu);
    ++m_runs;
    QCOMPARE(run.status, QProcess::NormalExit);
    if (mustFail || run.exitCode != 0) {
        checkFailedRun(run, dir.path(), before, qt_error_string(error));
        return;
    }
    const CareerOnDisk career = readCareer(dir.path());
    QVERIFY2(career.messages.isEmpty(), qPrintable(career.messages.join(u'\n')));
    const qint64 played = arguments == oneGame ? 1 : 0;
    QCOMPARE(career.total(&SeasonStats::Games), 3 + played);
    QCOMPARE(GameLines(run.out).count(), int(played));
}

void SimFaultsTest::aFullDiskIsToldAndTheGameCanBeSavedLater() {
    QTemporaryDir mountPoint;
    const QString disk = mountPoint.path();
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=64k"), QStringLiteral("tmpfs"), disk}) != 0)
        QSKIP("mounting a small disk is not permitted here; the full disk is injected above");
    const auto unmount = qScopeGuard([&] {
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), disk});
    });
    playThreeGames(disk);
    write(QDir(disk).filePath(QStringLiteral("gdk.html")), "<p>an earlier page</p>\r\n");
    const QMap<QString, QByteArray> before = careerFiles(disk);
    QFile filler(QDir(disk).filePath(QStringLiteral("filler")));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, 'x');
    while (filler.write(page) == page.size()) {
    }
    filler.close();
    const QString full = qt_error_string(ENOSPC);
    const QMap<QString, QByteArray> withFiller = careerFiles(disk);
    checkFailedRun(runSim(QStringList{QStringLiteral("--dir"), disk} + oneGame), disk, withFiller,
                   full);
    const SimRun exported = runSim(QStringList{QStringLiteral("--dir"), disk} + exportPage);
    checkFailedRun(exported, disk, withFiller, full);
    QVERIFY2(exported.err.contains(QDir(disk).filePath(QStringLiteral("gdk.html: "))),
             qPrintable(exported.err));
    // Room for the lock file, none for the new season file.
    QVERIFY(filler.resize(filler.size() - page.size()));
    checkFailedRun(runSim(QStringList{QStringLiteral("--dir"), disk} + oneGame), disk,
                   careerFiles(disk), full);
    m_runs += 3;
    QVERIFY(filler.remove());
    QVERIFY(careerFiles(disk) == before);
    const SimRun later = runSim(QStringList{QStringLiteral("--dir"), disk} + oneGame);
    QVERIFY2(later.exitCode == 0, qPrintable(later.err));
    QCOMPARE(readCareer(disk).total(&SeasonStats::Games), qint64(4));
}

void SimFaultsTest::aDirectoryWherethePageGoesIsTold() {
    QTemporaryDir dir;
    playThreeGames(dir.path());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("gdk.html")));
    const QMap<QString, QByteArray> before = careerFiles(dir.path());
    const SimRun run = runSim(QStringList{QStringLiteral("--dir"), dir.path()} + exportPage);
    ++m_runs;
    checkFailedRun(run, dir.path(), before, QString());
    QVERIFY(QFileInfo(QDir(dir.path()).filePath(QStringLiteral("gdk.html"))).isDir());
}

void SimFaultsTest::cleanupTestCase() {
    qInfo("%d simulator runs with a failing file", m_runs);
}

QTEST_GUILESS_MAIN(SimFaultsTest)
#include "simfaults_test.moc"
