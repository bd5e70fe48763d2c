// SPDX-License-Identifier: MIT
// A whole career played by a seeded scripted player through the game's own rules and career
// files: the files it leaves, the exported page, and what the window showed at the end of every
// game and in every message, compared with the pinned copies in tests/data. A rule, a byte
// layout, a text or an order that changes shows as the first line that differs.
#include "support/filebytes.h"

#include "play/gamesession.h"
#include "play/randomsource.h"
#include "scriptedplayer.h"
#include "storage/filecareer.h"
#include "storage/messenger.h"
#include "views/exportwriter.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr std::uint64_t seed = 20261207;
constexpr int stopLow = 30;
constexpr int stopHigh = 50;
const QString quarterback = QStringLiteral("Sam <Sky> & \"O'Neil\" \u0141ukasz");

// Writes every message into the transcript, with the records file as it stands at that moment.
class TranscriptMessenger final : public Messenger {
public:
    TranscriptMessenger(QString directory, QStringList& transcript)
        : m_directory(std::move(directory)), m_transcript(transcript) {}
    void inform(const QString& title, const QString& text) override { note(title, text); }
    void warn(const QString& title, const QString& text) override { note(title, text); }
    bool askRetry(const QString& title, const QString& text) override {
        note(title, text);
        return false;
    }

private:
    void note(const QString& title, const QString& text) {
        const QByteArray records = contents(QDir(m_directory).filePath(QStringLiteral("gdk.rec")));
        m_transcript << QStringLiteral("%1: %2 [gdk.rec %3]")
                            .arg(title,
                                 QString(text).replace(QStringLiteral("\r\n"),
                                                       QStringLiteral(" / ")),
                                 QString::fromLatin1(records.toHex()));
    }
    QString m_directory;
    QStringList& m_transcript;
};

QString shown(const MainView& view) {
    return QStringList{view.currentThrow, view.currentStats, view.seasonFrameCaption,
                       view.careerStats}
        .join(QStringLiteral(" | "));
}

QByteArray pinned(const char* name) {
    return contents(QStringLiteral(GRIDLARK_TEST_DATA "/") + QString::fromLatin1(name));
}

} // namespace

class PinnedCareerTest : public QObject {
    Q_OBJECT
private slots:
    void aSeededCareerLeavesItsPinnedFiles();
};

void PinnedCareerTest::aSeededCareerLeavesItsPinnedFiles() {
    QTemporaryDir dir;
    QStringList transcript;
    TranscriptMessenger messenger(dir.path(), transcript);
    FileCareer career(dir.path(), messenger);
    MixingRandomSource random(seed);
    GameSession session(random, career, QStringLiteral("."));
    ScriptedPlayer player(session, random, stopLow, stopHigh);
    for (session.newGame(); session.view().buttonEnabled; session.newGame()) {
        player.playGame();
        transcript << shown(session.view());
    }
    transcript << exportCareer(career, quarterback, QStringLiteral("."))
                      .text.replace(dir.path(), QStringLiteral("DIR"));
    const QByteArray seasons = contents(career.seasonsPath());
    const QByteArray records = contents(career.recordsPath());
    const QByteArray page = contents(dir.filePath(QStringLiteral("gdk.html")));
    session.clearCareer();
    session.newGame();
    transcript << shown(session.view());
    const QByteArray lines = transcript.join(u'\n').toUtf8() + '\n';
    // On a difference all is kept, for a look at what changed (and to pin anew when meant).
    const auto keep = qScopeGuard([&] {
        if (!QTest::currentTestFailed())
            return;
        dir.setAutoRemove(false);
        for (const auto& [name, bytes] : {std::pair{"career-gdk.dat", seasons},
                                          {"career-gdk.rec", records},
                                          {"career-gdk.html", page},
                                          {"career-transcript.txt", lines}})
            write(dir.filePath(QString::fromLatin1(name)), bytes);
        qInfo("the career played is in %s", qPrintable(dir.path()));
    });
    QCOMPARE(lines, pinned("career-transcript.txt"));
    QCOMPARE(seasons, pinned("career-gdk.dat"));
    QCOMPARE(records, pinned("career-gdk.rec"));
    QCOMPARE(page, pinned("career-gdk.html"));
    // Clearing the career leaves the records as they were.
    QCOMPARE(contents(career.recordsPath()), records);
}

QTEST_GUILESS_MAIN(PinnedCareerTest)
#include "pinnedcareer_test.moc"
