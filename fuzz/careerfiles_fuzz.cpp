// SPDX-License-Identifier: MIT
// Feeds arbitrary career files to the game: reads them as a new game, the career window, the
// records window and the export do, writes the page, and plays one small game onto them.
// Besides crashes, leaks and undefined behaviour, it stops on what the player would see go wrong
// in a directory that can always be written: a file still damaged once read, a failed save or
// export, a page that is not plain ASCII or has the wrong number of lines.
//
// An input is bytes 0-1 the length of gdk.dat (little-endian), byte 2 that of gdk.rec, then the
// two files, and the quarterback's name as UTF-16LE code units to the end, so that the name can
// hold any code unit the name box can, lone surrogates included. A length beyond the bytes left
// takes what is left. The top bit of the gdk.dat length writes its bytes 101 times over, so that
// short inputs make files longer than any career.
#include "support/recordingmessenger.h"

#include "play/gamestate.h"
#include "storage/careerfilecontent.h"
#include "storage/filecareer.h"
#include "storage/recordtexts.h"
#include "views/careertable.h"
#include "views/exportwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstring>

namespace {

void check(bool holds, const char* what) {
    if (!holds)
        qFatal("careerfiles: %s", what);
}

QByteArray fileBytes(const QDir& directory, const char* name) {
    QFile file(directory.filePath(QString::fromLatin1(name)));
    check(file.open(QIODevice::ReadOnly), "a career file cannot be read back");
    return file.readAll();
}

void put(const QDir& directory, const char* name, QByteArrayView& rest, std::size_t length,
         int times = 1) {
    QFile file(directory.filePath(QString::fromLatin1(name)));
    const QByteArrayView bytes = rest.first(std::min<qsizetype>(rest.size(), qsizetype(length)));
    const QByteArray content = bytes.toByteArray().repeated(times);
    check(file.open(QIODevice::WriteOnly) && file.write(content) == content.size(),
          "the scratch directory cannot be written");
    rest = rest.sliced(bytes.size());
}

// A read mends what it finds damaged, so afterwards both files read clean.
void checkMended(const QDir& directory) {
    check(readSeasonsContent(fileBytes(directory, "gdk.dat")).problem.isEmpty() &&
              readRecordsContent(fileBytes(directory, "gdk.rec")).problem.isEmpty(),
          "a career file is still damaged after reading it");
}

// The page is printable ASCII, one CR LF ending each of its 93 + 16 n lines.
void checkPage(const QDir& directory, const std::vector<SeasonStats>& seasons) {
    const qsizetype listed = std::count_if(seasons.begin(), seasons.end(),
                                           [](const SeasonStats& s) { return s.games > 0; });
    const QByteArray page = fileBytes(directory, exportFileName);
    check(page.count("\r\n") == 93 + 16 * listed && page.endsWith("\r\n") &&
              std::all_of(page.begin(), page.end(),
                          [](char c) { return (c >= ' ' && c <= '~') || c == '\r' || c == '\n'; }),
          "the page is not 93 + 16 n lines of printable ASCII");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Qt's file classes want an application object; one directory serves every input.
    static int argc = 1;
    static char program[] = "careerfiles";
    static char* argv[] = {program, nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir scratch;
    QDir directory(scratch.path());
    check(directory.removeRecursively() && directory.mkpath(QStringLiteral(".")),
          "the scratch directory cannot be emptied");
    QByteArrayView rest(data, qsizetype(size));
    const std::size_t header = size < 3 ? 0 : 3;
    rest = rest.sliced(header);
    const std::size_t datLength = header ? data[0] | std::size_t{data[1]} << 8 : 0;
    put(directory, "gdk.dat", rest, datLength & 0x7fff, datLength & 0x8000 ? 101 : 1);
    put(directory, "gdk.rec", rest, header ? data[2] : 0);
    QString name(rest.size() / 2, Qt::Uninitialized);
    std::memcpy(name.data(), rest.data(), std::size_t(name.size()) * 2);

    RecordingMessenger messenger;
    FileCareer career(directory.path(), messenger);
    GameState state;
    const bool open = career.openStats(state) == SeasonOpening::Open;
    const std::vector<SeasonStats> seasons = career.loadSeasons();
    check(careerRows(seasons, QStringLiteral(".")).size() <= seasons.size() + 1,
          "the career table lists more than every season and the career");
    recordTexts(career.loadRecords(), QStringLiteral(","));
    checkMended(directory);
    check(exportCareer(career, name, QStringLiteral(".")).kind == Message::Kind::Information,
          "the page could not be saved");
    checkPage(directory, seasons);
    if (open) {
        const GameLine blitzes{20, 12, 165, 1, 1};
        const GameState game{
            .game = blitzes, .gameByType = {{{}, {}, {}, blitzes}}, .longestInRow = 4};
        check(career.saveStats(game), "a save failed");
        career.checkBestGame(game);
        check(career.currentSeason().number == state.seasonNumber &&
                  career.currentSeason().games == state.seasonGames + 1,
              "the game did not go to the season it was played in");
        checkMended(directory);
    }
    check(messenger.titles().count(QStringLiteral("Damaged File")) <= 2,
          "a damaged file was told of more than once");
    return 0;
}
