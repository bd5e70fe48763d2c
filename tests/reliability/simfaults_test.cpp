// SPDX-License-Identifier: MIT
// gridlark-sim on a genuinely full disk (a small tmpfs, where mounting is permitted) and with a
// directory where the page should go: each run must end normally, say which file failed and
// why, fail its status, and change no file. Single failing system calls are the fault-point
// test's.
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
    void aFullDiskIsToldAndTheGameCanBeSavedLater();
    void aDirectoryWherethePageGoesIsTold();
    void cleanupTestCase();

private:
    int m_runs = 0;
};

void SimFaultsTest::aFullDiskIsToldAndTheGameCanBeSavedLater() {
    QTemporaryDir mountPoint;
    const QString disk = mountPoint.path();
    if (QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=64k"), QStringLiteral("tmpfs"), disk}) != 0)
        QSKIP("mounting a small disk needs root; the fault-point test injects a full disk");
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
