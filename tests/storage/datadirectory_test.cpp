// SPDX-License-Identifier: MIT
#include "support/datatable.h"

#include "storage/datadirectory.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class DataDirectoryTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void theFilesGoBesideTheGameOnlyWhereTheyBelong_data() {
        addTableRows("storage/data-directories.txt");
    }
    void theFilesGoBesideTheGameOnlyWhereTheyBelong();
};

void DataDirectoryTest::theFilesGoBesideTheGameOnlyWhereTheyBelong() {
    QFETCH(QString, directory);
    QFETCH(QString, chosen);
    QTemporaryDir temporary;
    directory.replace(QStringLiteral("TEMP"), temporary.path());
    QTEST(isSystemDirectory(directory) ? QStringLiteral("yes") : QStringLiteral("no"), "system");
    const QString players = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCOMPARE(chooseDataDirectory(directory), chosen == QStringLiteral("own") ? directory : players);
    if (chosen != QStringLiteral("own"))
        QVERIFY(QFileInfo(players).isDir());
    // The probe that tried the directory leaves nothing behind.
    QCOMPARE(QDir(temporary.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

QTEST_GUILESS_MAIN(DataDirectoryTest)
#include "datadirectory_test.moc"
