// SPDX-License-Identifier: MIT
#include "busyload.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <sys/types.h>

namespace {
// Set for the copy of this test that starts a load and is then killed outright.
const char* const orphanRole = "GRIDLARK_BUSYLOAD_ORPHAN";

// True while the process runs; a zombie nobody reaps has stopped running.
bool running(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype afterName = line.lastIndexOf(')');
    return afterName > 0 && line.size() > afterName + 2 && line.at(afterName + 2) != 'Z';
}

// Starts a load, tells the test its process id and dies without running a destructor.
[[noreturn]] void beKilledWithALoad() {
    const BusyLoad load;
    std::printf("%lld\n", static_cast<long long>(load.processId()));
    std::fflush(stdout);
    std::raise(SIGKILL);
    std::abort();
}
} // namespace

class BusyLoadTest : public QObject {
    Q_OBJECT
private slots:
    void spinsUntilItGoes();
    void diesWithAKilledBenchmark();
};

void BusyLoadTest::spinsUntilItGoes() {
    qint64 pid = 0;
    {
        const BusyLoad load;
        pid = load.processId();
        QVERIFY(pid > 0);
        QTest::qWait(50);
        QVERIFY(running(pid));
    }
    QVERIFY(!running(pid));
}

void BusyLoadTest::diesWithAKilledBenchmark() {
    QProcess benchmark;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(orphanRole), QStringLiteral("1"));
    benchmark.setProcessEnvironment(environment);
    benchmark.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(benchmark.waitForFinished());
    QCOMPARE(benchmark.exitStatus(), QProcess::CrashExit);
    bool ok = false;
    const qint64 pid = benchmark.readAllStandardOutput().trimmed().toLongLong(&ok);
    QVERIFY(ok && pid > 0);
    const bool orphaned = !QTest::qWaitFor([pid] { return !running(pid); });
    if (orphaned) // a failure must not leave a spinning process behind
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    QVERIFY(!orphaned);
}

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsSet(orphanRole)) {
        QCoreApplication app(argc, argv);
        beKilledWithALoad();
    }
    QCoreApplication app(argc, argv);
    BusyLoadTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "busyload_test.moc"
