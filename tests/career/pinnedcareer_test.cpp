// SPDX-License-Identifier: MIT
// A whole career played by a seeded scripted player through the game's own rules and career
// files: the files it leaves, the exported page, and what the window showed at the end of every
// game and in every message, compared with the pinned copies in tests/data. A rule, a byte
// layout, a text or an order that changes shows as the first line that differs. The episodes in
// tests/data/episodes pin the same way what a whole career never meets: each is a list of steps,
// and its transcript holds everything the game showed and wrote after each of them.
#include "support/datatable.h"
#include "support/filebytes.h"
#include "support/playtypeseasons.h"

#include "play/gamesession.h"
#include "play/randomsource.h"
#include "scriptedplayer.h"
#include "storage/filecareer.h"
#include "storage/messenger.h"
#include "storage/recordtexts.h"
#include "storage/seasoncodec.h"
#include "views/careertable.h"
#include "views/exportwriter.h"
#include "views/playtypetable.h"

#include <QDir>
#include <QLocale>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Writes every message into the transcript, with the records file as it stands at that moment.
class TranscriptMessenger final : public Messenger {
public:
    TranscriptMessenger(QString recordsPath, QStringList& transcript)
        : m_recordsPath(std::move(recordsPath)), m_transcript(transcript) {}
    bool show(const Message& message) override {
        m_transcript << QStringLiteral("%1: %2 [gdk.rec %3]")
                            .arg(message.title,
                                 QString(message.text).replace(QStringLiteral("\r\n"), " / "),
                                 QString::fromLatin1(contents(m_recordsPath).toHex()));
        return false;
    }

private:
    QString m_recordsPath;
    QStringList& m_transcript;
};

QString shown(const MainView& view) {
    return QStringList{view.currentThrow, view.gameLine, view.seasonFrameCaption, view.seasonLine}
        .join(QStringLiteral(" | "));
}

// Everything the window shows, in the order of MainView's fields, and the meter.
QString shownInFull(const GameSession& session) {
    static const QStringList pictures{"Receiver", "Referee", "Trophy", "Interception"};
    const MainView& view = session.view();
    const auto onOff = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
    return QStringLiteral("  %1 | %2 | button %3 %4 \"%5\" | clear %6 | timer %7 | meter %8")
        .arg(shown(view), pictures.value(int(view.picture)), view.buttonCaption,
             view.buttonEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled"),
             view.buttonToolTip, onOff(view.clearEnabled), onOff(view.timerStarted))
        .arg(session.state().meter);
}

// One copy of the game on the episode's directory: its own random source, career and window.
struct GameCopy {
    GameCopy(const QString& dir, std::uint64_t seed, const QString& point, QStringList& transcript)
        : messenger(QDir(dir).filePath(QStringLiteral("gdk.rec")), transcript),
          career(dir, messenger), random(seed), session(random, career, point),
          player(session, random, 30, 50) {}
    TranscriptMessenger messenger;
    FileCareer career;
    MixingRandomSource random;
    GameSession session;
    ScriptedPlayer player;
};

// Plays the steps of an episode, writing down after each what the copy that took it shows.
class Episode {
public:
    explicit Episode(QString dir) : m_dir(std::move(dir)) {}
    QStringList transcript;

    void run(const QStringList& line) {
        transcript << QStringLiteral("> ") + line.join(u' ');
        const QString& verb = line[0];
        if (verb == "copy") // copy NAME SEED: a copy of the game, started at its first naming
            pick(line.value(1), line.value(2));
        else if (verb == "locale") // the decimal point of the copies started after it
            m_point = localeNamed(line.value(1)).decimalPoint();
        else if (verb == "seasons") // gdk.dat with seasons of these numbers of games
            write(path(QStringLiteral("gdk.dat")), seasonsOfGames(line.mid(1)));
        else if (verb == "append") // FILE HEX: bytes added to the end of a career file
            write(path(line.value(1)), contents(path(line.value(1))) + hexBytes(line.value(2)));
        else if (verb == "files")
            listFiles();
        else if (verb == "tables")
            listTables();
        else if (verb == "export")
            transcript << exportCareer(copy().career, line.value(1), m_point).text;
        else
            play(verb, line.value(1));
    }

private:
    GameCopy& copy() {
        if (!m_copy)
            qFatal("%s: no copy of the game named before it plays", qPrintable(tableInUse()));
        return *m_copy;
    }
    QString path(const QString& name) const { return QDir(m_dir).filePath(name); }
    static QLocale localeNamed(const QString& name) {
        const QLocale locale(name);
        if (locale.name() != name)
            unknownWord(QStringLiteral("locale"), name);
        return locale;
    }
    static QByteArray hexBytes(const QString& hex) {
        const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
        if (bytes.toHex() != hex.toLatin1())
            unknownWord(QStringLiteral("hex bytes"), hex);
        return bytes;
    }

    void pick(const QString& name, const QString& seed) {
        auto& copy = m_copies[name];
        if (!copy)
            copy = std::make_unique<GameCopy>(m_dir, tableInt(seed), m_point, transcript);
        m_copy = copy.get();
    }
    void play(const QString& verb, const QString& count) {
        GameSession& session = copy().session;
        if (verb == "new")
            session.newGame();
        else if (verb == "press")
            session.press();
        else if (verb == "ticks")
            for (int i = tableInt(count); i > 0; --i)
                session.tick();
        else if (verb == "fill") // until the meter stops, as a player who never presses
            for (int i = 0; i < 1000 && session.meterRunning(); ++i)
                session.tick();
        else if (verb == "game")
            copy().player.playGame();
        else if (verb == "clear")
            session.clearCareer();
        else
            unknownWord(QStringLiteral("step"), verb);
        transcript << shownInFull(session);
    }
    // Every file in the directory; the page as text with its line ends shown, the others in hex.
    void listFiles() {
        for (const QString& name : QDir(m_dir).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
            const QByteArray bytes = contents(path(name));
            transcript << QStringLiteral("  %1 %2: %3")
                              .arg(name)
                              .arg(bytes.size())
                              .arg(name.endsWith(u".html")
                                       ? QString::fromUtf8(bytes).replace(u'\r', "\\r")
                                       : QString::fromLatin1(bytes.toHex()));
        }
    }
    // The career table, the records and the pass types of the career, as the views show them.
    void listTables() {
        const std::vector<SeasonStats> seasons = copy().career.loadSeasons();
        for (const CareerRow& row : careerRows(seasons, m_point))
            transcript << QStringLiteral("  ") + QStringList(row.cells.begin(), row.cells.end())
                                                     .join(QStringLiteral(" | "));
        const auto records = recordTexts(copy().career.loadRecords(), m_point);
        transcript << QStringLiteral("  ") +
                          QStringList(records.begin(), records.end()).join(QStringLiteral(" | "));
        for (const PlayTypeRow& row : playTypeRows(seasons, CareerSpan, m_point))
            transcript << (QStringList{QStringLiteral(" ")} + row.cells()).join(u' ');
    }

    QString m_dir;
    QString m_point = QStringLiteral(".");
    std::map<QString, std::unique_ptr<GameCopy>> m_copies;
    GameCopy* m_copy = nullptr;
};

// Keeps what was played beside the test's directory when the test failed, for a look at what
// changed (and to pin anew when meant).
void keepWhenFailed(QTemporaryDir& dir, const QMap<QString, QByteArray>& played) {
    if (!QTest::currentTestFailed())
        return;
    dir.setAutoRemove(false);
    for (const auto& [name, bytes] : played.asKeyValueRange())
        write(dir.filePath(name), bytes);
    qInfo("what was played is in %s", qPrintable(dir.path()));
}

} // namespace

class PinnedCareerTest : public QObject {
    Q_OBJECT
private slots:
    void aSeededCareerLeavesItsPinnedFiles();
    void anEpisodeLeavesItsPinnedTranscript_data();
    void anEpisodeLeavesItsPinnedTranscript();
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
    const auto keep = qScopeGuard([&] { keepWhenFailed(dir, played); });
    for (const auto& [name, bytes] : played.asKeyValueRange())
        QCOMPARE(bytes, contents(QStringLiteral(GRIDLARK_TEST_DATA "/") + name));
    // Clearing the career leaves the records as they were.
    QCOMPARE(contents(career.recordsPath()), played["career-gdk.rec"]);
}

void PinnedCareerTest::anEpisodeLeavesItsPinnedTranscript_data() {
    addFileRows(QStringLiteral("episodes"));
}

void PinnedCareerTest::anEpisodeLeavesItsPinnedTranscript() {
    QFETCH(QString, file);
    QTemporaryDir dir;
    Episode played(dir.path());
    for (const QStringList& line : tableRows(file))
        played.run(line);
    const QString pinned = QString(file).replace(QStringLiteral(".txt"), ".transcript");
    // The directory and a kept copy's date and time change from run to run.
    static const QRegularExpression stamp(QStringLiteral("-\\d{8}-\\d{6}"));
    const QString text = played.transcript.join(u'\n')
                             .replace(dir.path(), QStringLiteral("DIR"))
                             .replace(stamp, QStringLiteral("-DATE-TIME"));
    const QMap<QString, QByteArray> transcript{
        {QFileInfo(pinned).fileName(), text.toUtf8() + '\n'}};
    const auto keep = qScopeGuard([&] { keepWhenFailed(dir, transcript); });
    QCOMPARE(transcript.first(), contents(QStringLiteral(GRIDLARK_TEST_DATA "/") + pinned));
}

QTEST_GUILESS_MAIN(PinnedCareerTest)
#include "pinnedcareer_test.moc"
