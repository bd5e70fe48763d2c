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

// Writes every message into the transcript, with the records file as it stands at that moment.
class TranscriptMessenger final : public Messenger {
public:
    TranscriptMessenger(QString recordsPath, QStringList& transcript)
        : m_recordsPath(std::move(recordsPath)), m_transcript(transcript) {}
    void inform(const QString& title, const QString& text) override { note(title, text); }
    void warn(const QString& title, const QString& text) override { note(title, text); }
    bool askRetry(const QString& title, const QString& text) override {
        note(title, text);
        return false;
    }

private:
    void note(const QString& title, const QString& text) {
        m_transcript << QStringLiteral("%1: %2 [gdk.rec %3]")
                            .arg(title, QString(text).replace(QStringLiteral("\r\n"), " / "),
                                 QString::fromLatin1(contents(m_recordsPath).toHex()));
    }
    QString m_recordsPath;
    QStringList& m_transcript;
};

QString shown(const MainView& view) {
    return QStringList{view.currentThrow, view.gameLine, view.seasonFrameCaption, view.seasonLine}
        .join(QStringLiteral(" | "));
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
    TranscriptMessenger messenger(dir.filePath(QStringLiteral("gdk.rec")), transcript);
    FileCareer career(dir.path(), messenger);
    MixingRandomSource random(20261207);
    GameSession session(random, career, QStringLiteral("."));
    ScriptedPlayer player(session, random, 30, 50); // stops drawn from 30 to 50
    for (session.newGame(); session.view().buttonEnabled; session.newGame()) {
        player.playGame();
        transcript << shown(session.view());
    }
    const QString quarterback = QStringLiteral("Sam <Sky> & \"O'Neil\" \u0141ukasz");
    transcript << exportCareer(career, quarterback, QStringLiteral("."))
                      .text.replace(dir.path(), QStringLiteral("DIR"));
    QMap<QString, QByteArray> played{{"career-gdk.dat", contents(career.seasonsPath())},
                                     {"career-gdk.rec", contents(career.recordsPath())},
                                     {"career-gdk.html", contents(dir.filePath("gdk.html"))}};
    session.clearCareer();
    session.newGame();
    transcript << shown(session.view());
    played["career-transcript.txt"] = transcript.join(u'\n').toUtf8() + '\n';
    // On a difference all is kept, for a look at what changed (and to pin anew when meant).
    const auto keep = qScopeGuard([&] {
        if (!QTest::currentTestFailed())
            return;
        dir.setAutoRemove(false);
        for (const auto& [name, bytes] : played.asKeyValueRange())
            write(dir.filePath(name), bytes);
        qInfo("the career played is in %s", qPrintable(dir.path()));
    });
    for (const auto& [name, bytes] : played.asKeyValueRange())
        QCOMPARE(bytes, contents(QStringLiteral(GRIDLARK_TEST_DATA "/") + name));
    // Clearing the career leaves the records as they were.
    QCOMPARE(contents(career.recordsPath()), played["career-gdk.rec"]);
}

QTEST_GUILESS_MAIN(PinnedCareerTest)
#include "pinnedcareer_test.moc"
