// SPDX-License-Identifier: MIT
// gridlark-sim: plays games through the game's own core with a scripted player.
#include "gamecsv.h"
#include "play/unsavedcareer.h"
#include "scriptedplayer.h"
#include "simoptions.h"
#include "storage/stderrmessenger.h"

#include "play/gamesession.h"
#include "play/randomsource.h"
#include "stats/numbertext.h"
#include "stats/passerrating.h"
#include "storage/filecareer.h"
#include "views/exportwriter.h"

#include <QCoreApplication>
#include <QTextStream>
#include <memory>

namespace {

std::unique_ptr<MixingRandomSource> makeRandom(const SimOptions& options) {
    if (options.seed)
        return std::make_unique<MixingRandomSource>(*options.seed);
    return std::make_unique<MixingRandomSource>(&MixingRandomSource::systemTimeOfDay);
}

struct Totals {
    int games = 0;
    CareerLine passing;

    void add(const GameState& s) {
        ++games;
        passing += s.game;
    }
};

void printSummary(const Totals& totals, QTextStream& err) {
    const CareerLine& c = totals.passing;
    err << "games " << totals.games << ", " << c.completions << " of " << c.attempts
        << " attempts, " << c.yards << " yards, " << c.touchdowns << " TD, " << c.interceptions
        << " INT, rating " << decimalText(passerRating(c), QStringLiteral(".")) << '\n';
}

// The same export as the window's menu command; the confirmation goes to standard output.
void exportTo(FileCareer& career, const QString& name, Messenger& messenger, QTextStream& out) {
    const Message told = exportCareer(career, name, QStringLiteral("."));
    if (told.kind == Message::Kind::Information)
        out << told.text << Qt::endl;
    else
        messenger.show(told);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    const ParsedOptions parsed = parseSimOptions(app.arguments());
    if (!parsed.options) {
        err << "gridlark-sim: " << parsed.error << '\n' << simUsage();
        return 2;
    }
    const SimOptions& options = *parsed.options;
    const auto random = makeRandom(options);
    StderrMessenger messenger;
    UnsavedCareer unsaved;
    FileCareer saved(options.dir, messenger);
    Career& career = options.dir.isEmpty() ? static_cast<Career&>(unsaved) : saved;
    GameSession session(*random, career, QStringLiteral("."));
    ScriptedPlayer player(session, *random, options.stopLow, options.stopHigh);
    Totals totals;
    if (options.csv)
        out << gameCsvHeader() << Qt::endl;
    for (int game = 0; game < options.games; ++game) {
        session.newGame();
        if (!session.playing())
            break;
        player.playGame();
        totals.add(session.state());
        if (options.csv)
            out << gameCsvLine(session.state()) << Qt::endl;
    }
    if (options.games > 0)
        printSummary(totals, err);
    if (options.exportName)
        exportTo(saved, *options.exportName, messenger, out);
    return messenger.failed() ? 1 : 0;
}
