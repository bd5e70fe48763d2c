// SPDX-License-Identifier: MIT
// Feeds arbitrary career files to the game: reads them as a new game, the career window, the
// records window and the export do, writes the page, and plays one small game onto them.
// Besides crashes, leaks and undefined behaviour, it stops on anything the player would see go
// wrong in a directory that can always be written: a damaged file that stays damaged, a save
// that fails, a page that is not plain ASCII or has the wrong number of lines.
#include "careerinput.h"
#include "countingmessenger.h"
#include "scratchdirectory.h"

#include "play/gamestate.h"
#include "storage/damage.h"
#include "storage/filecareer.h"
#include "storage/recordtexts.h"
#include "views/careertable.h"
#include "views/exportwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr std::size_t listedRecords = 100;

void check(bool holds, const char* what) {
    if (holds)
        return;
    std::fprintf(stderr, "careerfiles: %s\n", what);
    std::abort();
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    check(file.open(QIODevice::ReadOnly), "a career file cannot be read back");
    return file.readAll();
}

// A short game of every play type, with a touchdown and an interception.
GameState smallGame() {
    GameState game;
    game.GameShortAttempts = 6;
    game.GameShortCompletions = 5;
    game.GameShortYards = 31;
    game.GameMediumAttempts = 5;
    game.GameMediumCompletions = 3;
    game.GameMediumYards = 44;
    game.GameMediumTDs = 1;
    game.GameLongAttempts = 4;
    game.GameLongCompletions = 1;
    game.GameLongYards = 38;
    game.GameLongINTs = 1;
    game.GameBlitzAttempts = 5;
    game.GameBlitzCompletions = 3;
    game.GameBlitzYards = 52;
    game.GameAttempts = 20;
    game.GameCompletions = 12;
    game.GameYards = 165;
    game.GameTDs = 1;
    game.GameINTs = 1;
    game.LongestInRow = 4;
    return game;
}

// A read repairs what it finds damaged, so afterwards both files read clean.
void checkRepaired(const FileCareer& career) {
    check(readSeasonsContent(fileBytes(career.seasonsPath())).problem.isEmpty(),
          "the seasons file is still damaged after reading it");
    check(readRecordsContent(fileBytes(career.recordsPath())).problem.isEmpty(),
          "the records file is still damaged after reading it");
}

std::size_t listedSeasons(const std::vector<SeasonStats>& seasons) {
    const auto end = seasons.begin() + std::min(seasons.size(), listedRecords);
    return std::count_if(seasons.begin(), end, [](const SeasonStats& s) { return s.Games > 0; });
}

// The page is escaped to printable ASCII, one CR LF ending each of its 93 + 16 n lines.
void checkPage(const QString& dataDirectory, std::size_t listed) {
    const QByteArray page =
        fileBytes(QDir(dataDirectory).filePath(QString::fromLatin1(exportFileName)));
    check(page.endsWith("\r\n"), "the page does not end with a line end");
    QList<QByteArray> lines = page.split('\n');
    lines.removeLast();
    check(lines.size() == qsizetype(93 + 16 * listed), "the page has the wrong number of lines");
    for (QByteArray& line : lines) {
        check(line.endsWith('\r'), "a line of the page does not end with CR LF");
        line.chop(1);
        check(std::all_of(line.begin(), line.end(), [](char c) { return c >= ' ' && c <= '~'; }),
              "the page holds a byte that is not printable ASCII");
    }
}

void readCareer(FileCareer& career, CountingMessenger& messenger, const QString& name) {
    GameState state;
    const bool open = career.openStats(state);
    const std::vector<SeasonStats> seasons = career.loadSeasons();
    const CareerRecords records = career.loadRecords();
    check(messenger.warned <= 2, "more warnings than one per damaged file");
    checkRepaired(career);
    check(careerRows(seasons, QStringLiteral(".")).size() <= listedRecords + 1,
          "the career table lists more than every record and the career");
    for (const QString& text : recordTexts(records, QStringLiteral(",")))
        check(!text.isEmpty(), "a record shows no value");
    // Once read, both files are whole, so the export reads them as the windows did.
    const ExportOutcome outcome = exportCareer(career, name, QStringLiteral("."));
    check(outcome.saved, "the page could not be saved");
    checkPage(career.dataDirectory(), listedSeasons(seasons));
    if (!open)
        return;
    const GameState game = smallGame();
    career.saveStats(game);
    career.checkBestGame(game);
    check(messenger.retriesOffered == 0, "a save failed");
    check(career.currentSeason().Season == state.SeasonNumber &&
              career.currentSeason().Games == state.SeasonGames + 1,
          "the game did not go to the season it was played in");
    checkRepaired(career);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Qt's file classes want an application object for names and paths; one serves every run.
    static int argc = 1;
    static char program[] = "careerfiles";
    static char* argv[] = {program, nullptr};
    static QCoreApplication application(argc, argv);

    const CareerInput input = splitCareerInput(data, size);
    const ScratchDirectory& directory = ScratchDirectory::instance();
    directory.clear();
    directory.put(QStringLiteral("gdk.dat"), input.seasons);
    directory.put(QStringLiteral("gdk.rec"), input.records);
    CountingMessenger messenger;
    FileCareer career(directory.path(), messenger);
    readCareer(career, messenger, input.name);
    return 0;
}
