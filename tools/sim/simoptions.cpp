// SPDX-License-Identifier: MIT
#include "simoptions.h"

#include "play/throwrules.h"

#include <QCommandLineParser>

namespace {

bool parseStop(const QString& text, SimOptions& options) {
    const QStringList parts = text.split(u':');
    if (parts.size() > 2)
        return false;
    bool lowOk = false;
    bool highOk = false;
    const int low = parts.front().toInt(&lowOk);
    const int high = parts.size() == 2 ? parts.back().toInt(&highOk) : low;
    if (parts.size() == 1)
        highOk = lowOk;
    if (!lowOk || !highOk || low < 1 || high > MeterMaximum || low > high)
        return false;
    options.stopLow = low;
    options.stopHigh = high;
    return true;
}

ParsedOptions badValue(const QCommandLineOption& option) {
    return {std::nullopt, QStringLiteral("bad value for --%1").arg(option.names().front())};
}

} // namespace

QString simUsage() {
    return QStringLiteral(
        "usage: gridlark-sim [--games N] [--seed S] [--stop V | --stop LO:HI] [--csv] [--dir DIR]\n"
        "                   [--export NAME]\n"
        "  --games N     games to play (default 1)\n"
        "  --seed S      seed the random source once; the run is then reproducible\n"
        "  --stop V      throw when the meter shows V (1 to 50, 50 lets it fill); default 40\n"
        "  --stop LO:HI  draw a fresh stop value from LO to HI for every throw\n"
        "  --csv         write one line per finished game to standard output\n"
        "  --dir DIR     save every game to the career files in DIR\n"
        "  --export NAME write DIR's career to DIR/gdk.html for the quarterback NAME; no game\n"
        "                is played unless --games is given too (the games come first)\n");
}

ParsedOptions parseSimOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption games(QStringLiteral("games"), {}, QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), {}, QStringLiteral("S"));
    const QCommandLineOption stop(QStringLiteral("stop"), {}, QStringLiteral("V"));
    const QCommandLineOption csv(QStringLiteral("csv"));
    const QCommandLineOption dir(QStringLiteral("dir"), {}, QStringLiteral("DIR"));
    const QCommandLineOption exportName(QStringLiteral("export"), {}, QStringLiteral("NAME"));
    parser.addOptions({games, seed, stop, csv, dir, exportName});
    if (!parser.parse(arguments))
        return {std::nullopt, parser.errorText()};
    if (!parser.positionalArguments().isEmpty())
        return {std::nullopt, QStringLiteral("unknown or incomplete option: %1")
                                  .arg(parser.positionalArguments().front())};
    SimOptions options;
    bool ok = true;
    if (parser.isSet(games)) {
        options.games = parser.value(games).toInt(&ok);
        if (!ok || options.games < 0)
            return badValue(games);
    }
    if (parser.isSet(seed)) {
        options.seed = parser.value(seed).toULongLong(&ok);
        if (!ok)
            return badValue(seed);
    }
    if (parser.isSet(stop) && !parseStop(parser.value(stop), options))
        return badValue(stop);
    options.csv = parser.isSet(csv);
    options.dir = parser.value(dir);
    if (parser.isSet(exportName))
        options.exportName = parser.value(exportName);
    if (options.exportName && options.dir.isEmpty())
        return {std::nullopt, QStringLiteral("--export needs --dir")};
    if (options.exportName && !parser.isSet(games))
        options.games = 0;
    return {options, {}};
}
