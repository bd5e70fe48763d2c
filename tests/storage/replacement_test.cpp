// SPDX-License-Identifier: MIT
// How the career files and the page are replaced: under the file's lock, the directory flushed
// after every rename, and no lock held while the player reads a message. Each system call of a
// replacement failing in turn is the fault-point test's; reading a directory that takes nothing,
// the simulator runs'.
#include "support/filebytes.h"
#include "support/recordingmessenger.h"

#include "play/gamestate.h"
#include "storage/filecareer.h"
#include "storage/filestore.h"
#include "storage/seasoncodec.h"
#include "views/exportwriter.h"

#include <QDir>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

GameState aGame(std::int16_t yards) {
    return {.GameAttempts = 30, .GameCompletions = 20, .GameYards = yards, .LongestInRow = 6};
}

QByteArray seasons(int count, int games) {
    QByteArray bytes;
    for (int n = 1; n <= count; ++n)
        bytes += encodeSeason({.Season = n, .Games = games});
    return bytes;
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
    void inform(const QString& title, const QString&) override { probe(title); }
    void warn(const QString& title, const QString&) override { probe(title); }
    bool askRetry(const QString& title, const QString&) override { return probe(title), false; }
    QStringList steps;

private:
    void probe(const QString& title) {
        QLockFile seasons(m_directory.filePath(QStringLiteral("gdk.dat.lock")));
        QLockFile records(m_directory.filePath(QStringLiteral("gdk.rec.lock")));
        const bool free = seasons.tryLock(0) && records.tryLock(0);
        steps << title + (free ? ", both locks free" : ", locked");
    }
    QDir m_directory;
};

} // namespace

class ReplacementTest : public QObject {
    Q_OBJECT
private slots:
    void filesAreReplacedUnderTheirLocksAndMessagesComeWithout();
};

void ReplacementTest::filesAreReplacedUnderTheirLocksAndMessagesComeWithout() {
    QTemporaryDir dir;
    StepTrace trace(dir.path());
    FileCareer career(dir.path(), trace);
    write(career.seasonsPath(), seasons(1, 15) + "xyz");
    career.saveStats(aGame(100));
    career.checkBestGame(aGame(400));
    exportCareer(career, QStringLiteral("Kim"), QStringLiteral("."));
    write(career.seasonsPath(), seasons(15, 16) + "xyz");
    GameState state;
    career.openStats(state);
    const QStringList mended{"gdk.dat renamed, locked", "gdk.dat flushed, locked"};
    const QStringList records{"gdk.rec renamed, locked", "gdk.rec flushed, locked"};
    const QStringList expected =
        mended + mended + QStringList{"Damaged File, both locks free"} + records +
        QStringList{"Season Over, both locks free"} + records +
        QStringList{"gdk.html renamed", "gdk.html flushed"} + mended +
        QStringList{"Damaged File, both locks free", "15 Year Career Over, both locks free"};
    QCOMPARE(trace.steps, expected);
}

QTEST_GUILESS_MAIN(ReplacementTest)
#include "replacement_test.moc"
