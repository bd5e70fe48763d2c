// SPDX-License-Identifier: MIT
#include "storage/datadirectory.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class DataDirectoryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void aWritableGameDirectoryKeepsTheFiles();
    void aDirectoryThatCannotTakeAFileFallsBackToThePlayers();
    void systemDirectoriesAreNeverUsed_data();
    void systemDirectoriesAreNeverUsed();
};

void DataDirectoryTest::aWritableGameDirectoryKeepsTheFiles() {
    QTemporaryDir dir;
    QCOMPARE(chooseDataDirectory(dir.path()), dir.path());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void DataDirectoryTest::aDirectoryThatCannotTakeAFileFallsBackToThePlayers() {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("no/such/place"));
    const QString own = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCOMPARE(chooseDataDirectory(missing), own);
    QVERIFY(QFileInfo(own).isDir());
}

void DataDirectoryTest::systemDirectoriesAreNeverUsed_data() {
    QTest::addColumn<QString>("directory");
    QTest::addColumn<bool>("system");
    QTest::newRow("/usr/bin") << QStringLiteral("/usr/bin") << true;
    QTest::newRow("/usr/local/bin") << QStringLiteral("/usr/local/bin") << true;
    QTest::newRow("/usr/games, the package's") << QStringLiteral("/usr/games") << true;
    QTest::newRow("/usr/local/games") << QStringLiteral("/usr/local/games") << true;
    QTest::newRow("/opt/gridlark") << QStringLiteral("/opt/gridlark/") << true;
    QTest::newRow("/bin") << QStringLiteral("/bin") << true;
    QTest::newRow("dotted") << QStringLiteral("/home/sam/../../usr/games") << true;
    QTest::newRow("/usrgames") << QStringLiteral("/usrgames") << false;
    QTest::newRow("home") << QStringLiteral("/home/sam/games/gridlark") << false;
}

void DataDirectoryTest::systemDirectoriesAreNeverUsed() {
    QFETCH(QString, directory);
    QFETCH(bool, system);
    QCOMPARE(isSystemDirectory(directory), system);
    if (system)
        QCOMPARE(chooseDataDirectory(directory),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QTEST_GUILESS_MAIN(DataDirectoryTest)
#include "datadirectory_test.moc"
