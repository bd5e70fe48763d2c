// SPDX-License-Identifier: MIT
#include "simoptions.h"

#include "play/throwrules.h"

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
    SimOptions options;
    bool gamesGiven = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (arg == u"--csv") {
            options.csv = true;
        } else if (arg == u"--games" && hasValue) {
            options.games = arguments.at(++i).toInt(&ok);
            ok = ok && options.games >= 0;
            gamesGiven = true;
        } else if (arg == u"--seed" && hasValue) {
            options.seed = arguments.at(++i).toULongLong(&ok);
        } else if (arg == u"--dir" && hasValue) {
            options.dir = arguments.at(++i);
        } else if (arg == u"--export" && hasValue) {
            options.exportName = arguments.at(++i);
        } else if (arg == u"--stop" && hasValue) {
            ok = parseStop(arguments.at(++i), options);
        } else {
            return {std::nullopt, QStringLiteral("unknown or incomplete option: %1").arg(arg)};
        }
        if (!ok)
            return {std::nullopt, QStringLiteral("bad value for %1").arg(arg)};
    }
    if (options.exportName && options.dir.isEmpty())
        return {std::nullopt, QStringLiteral("--export needs --dir")};
    if (options.exportName && !gamesGiven)
        options.games = 0;
    return {options, {}};
}
