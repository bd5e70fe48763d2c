// SPDX-License-Identifier: MIT
#include "views/howtoplay.h"

#include "play/career.h"
#include "play/draws.h"
#include "play/playoutcome.h"
#include "play/throwrules.h"
#include "storage/datadirectory.h"
#include "views/htmlescape.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace {

// One row of the distance table: the meter values that share an outcome, and its chances.
struct DistanceRow {
    std::vector<int> stops; // ascending
    Chance completion;      // for the stops two off: with the shortest run of completions
    Chance interception;
    bool completionFollowsTheRun = false;
};

// One rung of the run table for a throw two off: longest runs `fromLongest` to `toLongest`
// (-1: or more) complete with the chance given.
struct RunRow {
    int fromLongest = 0;
    int toLongest = 0;
    Chance completion;
};

constexpr Chance certain{1, 1};
constexpr Chance never{0, 1};

std::vector<int> stopsBetween(int nearest, int farthest) {
    std::vector<int> stops;
    for (int meter = 0; meter <= MeterMaximum; ++meter) {
        const int distance = distanceFromTarget(meter);
        if (distance >= nearest && distance <= farthest)
            stops.push_back(meter);
    }
    return stops;
}

Chance interceptedAtMost(int limit) {
    return roundedDrawAtMost(InterceptionDrawSpan, limit);
}

// Short runs are listed value by value, long ones as a range.
QStringList runTexts(const std::vector<int>& stops) {
    QStringList texts;
    std::size_t first = 0;
    while (first < stops.size()) {
        std::size_t last = first;
        while (last + 1 < stops.size() && stops[last + 1] == stops[last] + 1)
            ++last;
        if (last - first >= 3) {
            texts << QStringLiteral("%1 to %2").arg(stops[first]).arg(stops[last]);
        } else {
            for (std::size_t i = first; i <= last; ++i)
                texts << QString::number(stops[i]);
        }
        first = last + 1;
    }
    return texts;
}

QString listText(QStringList items) {
    if (items.size() < 2)
        return items.join(QString());
    const QString last = items.takeLast();
    return items.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

QString chanceText(Chance chance) {
    if (chance.in == chance.of)
        return QStringLiteral("always");
    return QStringLiteral("%1 in %2").arg(chance.in).arg(chance.of);
}

QString runText(const RunRow& row) {
    if (row.toLongest < 0)
        return QStringLiteral("%1 or more").arg(row.fromLongest);
    if (row.toLongest == row.fromLongest)
        return QString::number(row.fromLongest);
    if (row.toLongest == row.fromLongest + 1)
        return listText({QString::number(row.fromLongest), QString::number(row.toLongest)});
    return QStringLiteral("%1 to %2").arg(row.fromLongest).arg(row.toLongest);
}

QString outcomeText(const DistanceRow& row) {
    if (row.completion.in == row.completion.of)
        return QStringLiteral("Complete, always");
    if (row.completionFollowsTheRun)
        return QStringLiteral("Complete by chance: %1 at the start of a game, likelier after a "
                              "run of completions (see below); otherwise incomplete")
            .arg(chanceText(row.completion));
    if (row.interception.in == 0)
        return QStringLiteral("Incomplete, never intercepted");
    return QStringLiteral("Incomplete; intercepted %1").arg(chanceText(row.interception));
}

// Built from the throw rules' own constants, so the help cannot disagree with them.
std::vector<DistanceRow> distanceRows() {
    const int farthest = std::max(MeterTarget, MeterMaximum - MeterTarget);
    const Chance byChance = floorDrawAtMost(TwoOffDrawSides, TwoOffThresholds.front().threshold);
    return {{stopsBetween(0, ThrowReach::OnTarget), certain, never},
            {stopsBetween(ThrowReach::ByChance, ThrowReach::ByChance), byChance, never, true},
            {stopsBetween(ThrowReach::ByChance + 1, ThrowReach::SlightlyOff), never, never},
            {stopsBetween(ThrowReach::Off, ThrowReach::Off), never,
             interceptedAtMost(InterceptionLimitOff)},
            {stopsBetween(ThrowReach::Off + 1, farthest), never,
             interceptedAtMost(InterceptionLimitFarOff)}};
}

std::vector<RunRow> runRows() {
    std::vector<RunRow> rows;
    for (std::size_t i = 0; i < TwoOffThresholds.size(); ++i) {
        const StreakThreshold& rung = TwoOffThresholds[i];
        const int to =
            i + 1 < TwoOffThresholds.size() ? TwoOffThresholds[i + 1].fromLongestInRow - 1 : -1;
        rows.push_back(
            {rung.fromLongestInRow, to, floorDrawAtMost(TwoOffDrawSides, rung.threshold)});
    }
    return rows;
}

// The meter values in words: "39, 40 or 41", "0 to 34 or 46 to 50".
QString stopsText(const std::vector<int>& stops) {
    return listText(runTexts(stops));
}

QString tableHtml(const QString& left, const QString& right,
                  const std::vector<std::pair<QString, QString>>& rows) {
    QString html = QStringLiteral("<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">"
                                  "<tr><th>%1</th><th>%2</th></tr>")
                       .arg(left, right);
    for (const auto& [cell, outcome] : rows)
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(cell, outcome);
    return html + QStringLiteral("</table>");
}

QString distancesHtml() {
    std::vector<std::pair<QString, QString>> rows;
    for (const DistanceRow& row : distanceRows())
        rows.emplace_back(stopsText(row.stops), outcomeText(row));
    return tableHtml(QStringLiteral("The meter stops at"), QStringLiteral("The pass is"), rows);
}

QString runsHtml() {
    std::vector<std::pair<QString, QString>> rows;
    for (const RunRow& row : runRows())
        rows.emplace_back(runText(row), chanceText(row.completion));
    return tableHtml(QStringLiteral("Longest run of completions this game"),
                     QStringLiteral("A throw 38 or 42 completes"), rows);
}

} // namespace

QString howToPlayHtml(QString templateHtml, const QString& dataDirectory) {
    return templateHtml.replace(QStringLiteral("%DISTANCES%"), distancesHtml())
        .replace(QStringLiteral("%RUNS%"), runsHtml())
        .replace(QStringLiteral("%TARGET%"), QString::number(MeterTarget))
        .replace(QStringLiteral("%MAXIMUM%"), QString::number(MeterMaximum))
        .replace(QStringLiteral("%GAMES%"), QString::number(GamesInSeason))
        .replace(QStringLiteral("%SEASONS%"), QString::number(SeasonsInCareer))
        .replace(QStringLiteral("%DIRECTORY%"), htmlEscaped(shownDirectory(dataDirectory)));
}
