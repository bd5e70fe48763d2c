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
#include "views/careertable.h"
#include "views/exportwriter.h"
#include "views/playtypetable.h"

#include <QLocale>
#include <QTemporaryDir>

namespace {

QString shown(const MainView& view) {
    return QStringList{view.currentThrow, view.gameLine, view.seasonFrameCaption, view.seasonLine}
        .join(QStringLiteral(" | "));
}

// One copy of the game on a directory: its own random source, career and window, and a player
// who stops the meter between 30 and 50. It writes every message into the transcript, with the
// records file as it stands at that moment.
struct GameCopy final : Messenger {
    GameCopy(const QString& dir, std::uint64_t seed, const QString& point, QStringList& lines)
        : transcript(lines), career(dir, *this), random(seed), session(random, career, point),
          player(session, random, 30, 50) {}
    bool show(const Message& message) override {
        transcript << QStringLiteral("%1: %2 [gdk.rec %3]")
                          .arg(message.title, QString(message.text).replace("\r\n", " / "),
                               QString::fromLatin1(contents(career.recordsPath()).toHex()));
        return false;
    }
    QStringList& transcript;
    FileCareer career;
    MixingRandomSource random;
    GameSession session;
    ScriptedPlayer player;
};

// Plays the steps of an episode, writing down after each what the copy that took it shows.
class Episode {
public:
    explicit Episode(const QString& dir) : m_dir(dir) {}
    QStringList transcript;

    void run(const QStringList& line) {
        transcript << QStringLiteral("> ") + line.join(u' ');
        const QString arg = line.value(1);
        const auto ticks = [this](int most, bool untilStopped) {
            for (int i = 0; i < most && (!untilStopped || session().meterRunning()); ++i)
                session().tick();
        };
        // The steps that play, then the window as it shows after them.
        const std::map<QString, std::function<void()>> plays{
            {"new", [this] { session().newGame(); }},
            {"press", [this] { session().press(); }},
            {"ticks", [&] { ticks(tableInt(arg), false); }},
            {"fill", [&] { ticks(1000, true); }}, // as a player who never presses
            {"game", [this] { copy().player.playGame(); }},
            {"clear", [this] { session().clearCareer(); }}};
        if (const auto play = plays.find(line[0]); play != plays.end()) {
            play->second();
            transcript << shownInFull(session());
        } else if (line[0] == "copy") { // copy NAME SEED: started at its first naming
            auto& copy = m_copies[arg];
            if (!copy)
                copy = std::make_unique<GameCopy>(m_dir.path(), tableInt(line.value(2)), m_point,
                                                  transcript);
            m_copy = copy.get();
        } else if (line[0] == "locale") { // the decimal point of the copies started after it
            if (QLocale(arg).name() != arg)
                unknownWord(QStringLiteral("locale"), arg);
            m_point = QLocale(arg).decimalPoint();
        } else if (line[0] == "seasons") // gdk.dat with seasons of these numbers of games
            write(m_dir.filePath(QStringLiteral("gdk.dat")), seasonsOfGames(line.mid(1)));
        else if (line[0] == "append") { // FILE HEX: bytes added to the end of a career file
            const QByteArray hex = line.value(2).toLatin1();
            if (QByteArray::fromHex(hex).toHex() != hex)
                unknownWord(QStringLiteral("hex bytes"), line.value(2));
            write(m_dir.filePath(arg), contents(m_dir.filePath(arg)) + QByteArray::fromHex(hex));
        } else if (line[0] == "files")
            listFiles();
        else if (line[0] == "tables")
            listTables();
        else if (line[0] == "export")
            transcript << exportCareer(copy().career, arg, m_point).text;
        else
            unknownWord(QStringLiteral("step"), line[0]);
    }

private:
    GameCopy& copy() {
        if (!m_copy)
            qFatal("%s: no copy of the game named before it plays", qPrintable(tableInUse()));
        return *m_copy;
    }
    GameSession& session() { return copy().session; }

    // Everything the window shows, in the order of MainView's fields, and the meter.
    static QString shownInFull(const GameSession& session) {
        static const QStringList pictures{"Receiver", "Referee", "Trophy", "Interception"};
        const MainView& view = session.view();
        const auto onOff = [](bool on) { return QString::fromLatin1(on ? "on" : "off"); };
        return QStringLiteral("  %1 | %2 | button %3 %4 \"%5\" | clear %6 | timer %7 | meter %8")
            .arg(shown(view), pictures.value(int(view.picture)), view.buttonCaption,
                 view.buttonEnabled ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                 view.buttonToolTip, onOff(view.clearEnabled), onOff(view.timerStarted))
            .arg(session.state().meter);
    }
    // Every file in the directory; the page as text with its line ends shown, the others in hex.
    void listFiles() {
        for (const QString& name : m_dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
            const QByteArray bytes = contents(m_dir.filePath(name));
            transcript << "  " + name + u' ' + QString::number(bytes.size()) + ": " +
                              (name.endsWith(u".html")
                                   ? QString::fromUtf8(bytes).replace(u'\r', "\\r")
                                   : QString::fromLatin1(bytes.toHex()));
        }
    }
    // The career table, the records and the pass types of the career, as the views show them.
    void listTables() {
        const std::vector<SeasonStats> seasons = copy().career.loadSeasons();
        const auto cells = [this](const auto& row, const QString& separator) {
            transcript << QStringLiteral("  ") +
                              QStringList(row.begin(), row.end()).join(separator);
        };
        for (const CareerRow& row : careerRows(seasons, m_point))
            cells(row.cells, QStringLiteral(" | "));
        cells(recordTexts(copy().career.loadRecords(), m_point), QStringLiteral(" | "));
        for (const PlayTypeRow& row : playTypeRows(seasons, CareerSpan, m_point))
            cells(row.cells(), QStringLiteral(" "));
    }

    QDir m_dir;
    QString m_point = QStringLiteral(".");
    std::map<QString, std::unique_ptr<GameCopy>> m_copies;
    GameCopy* m_copy = nullptr;
};

// Compares what was played with the pinned files in tests/data. It is written into the test's
// directory, which is kept when a file differs, for a look at what changed (and to pin anew when
// meant).
void comparePinned(QTemporaryDir& dir, const QMap<QString, QByteArray>& played) {
    for (const auto& [name, bytes] : played.asKeyValueRange()) {
        write(dir.filePath(QFileInfo(name).fileName()), bytes);
        dir.setAutoRemove(bytes == contents(QStringLiteral(GRIDLARK_TEST_DATA "/") + name));
        QVERIFY2(dir.autoRemove(),
                 qPrintable(name + " differs from what was played, kept in " + dir.path()));
    }
}

} // namespace

class PinnedCareerTest : public QObject {
    Q_OBJECT
private slots:
    void aSeededCareerLeavesItsPinnedFiles();
    void anEpisodeLeavesItsPinnedTranscript_data() { addFileRows(QStringLiteral("episodes")); }
    void anEpisodeLeavesItsPinnedTranscript();
};

void PinnedCareerTest::aSeededCareerLeavesItsPinnedFiles() {
    QTemporaryDir dir;
    QStringList transcript;
    GameCopy game(dir.path(), 20261207, QStringLiteral("."), transcript);
    for (game.session.newGame(); game.session.view().buttonEnabled; game.session.newGame()) {
        game.player.playGame();
        transcript << shown(game.session.view());
    }
    const QString quarterback = QStringLiteral("Sam <Sky> & \"O'Neil\" \u0141ukasz");
    transcript << exportCareer(game.career, quarterback, QStringLiteral("."))
                      .text.replace(dir.path(), QStringLiteral("DIR"));
    QMap<QString, QByteArray> played{{"career-gdk.dat", contents(game.career.seasonsPath())},
                                     {"career-gdk.rec", contents(game.career.recordsPath())},
                                     {"career-gdk.html", contents(dir.filePath("gdk.html"))}};
    game.session.clearCareer();
    game.session.newGame();
    transcript << shown(game.session.view());
    played["career-transcript.txt"] = transcript.join(u'\n').toUtf8() + '\n';
    // Clearing the career leaves the records as they were.
    QCOMPARE(contents(game.career.recordsPath()), played["career-gdk.rec"]);
    comparePinned(dir, played);
}

void PinnedCareerTest::anEpisodeLeavesItsPinnedTranscript() {
    QFETCH(QString, file);
    QTemporaryDir dir;
    Episode played(dir.path());
    for (const QStringList& line : tableRows(file))
        played.run(line);
    // The directory and a kept copy's date and time change from run to run.
    static const QRegularExpression stamp(QStringLiteral("-\\d{8}-\\d{6}"));
    const QString text = played.transcript.join(u'\n')
                             .replace(dir.path(), QStringLiteral("DIR"))
                             .replace(stamp, QStringLiteral("-DATE-TIME"));
    comparePinned(dir, {{QString(file).replace(QStringLiteral(".txt"), ".transcript"),
                         text.toUtf8() + '\n'}});
}

QTEST_GUILESS_MAIN(PinnedCareerTest)
#include "pinnedcareer_test.moc"
