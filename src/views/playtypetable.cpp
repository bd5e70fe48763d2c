// SPDX-License-Identifier: MIT
#include "views/playtypetable.h"

#include "play/playtype.h"

namespace {

bool isPlayed(const std::vector<SeasonStats>& seasons, int number) {
    return number >= 1 && static_cast<std::size_t>(number) <= seasons.size() &&
           seasons[static_cast<std::size_t>(number) - 1].games > 0;
}

CareerLine spanLine(const std::vector<SeasonStats>& seasons, int span, std::size_t line) {
    if (span != CareerSpan)
        return viewLine(seasons[static_cast<std::size_t>(span) - 1], line);
    CareerLine total;
    for (const SeasonStats& season : seasons)
        total += viewLine(season, line);
    return total;
}

} // namespace

const SeasonLine& viewLine(const SeasonStats& season, std::size_t line) {
    return line < PlayType::Count ? season.byType[line] : season.total;
}

QString viewLineName(std::size_t line) {
    return line < PlayType::Count ? QString::fromLatin1(PlayTypes[line].caption)
                                  : QStringLiteral("All");
}

const ChartStyle& viewLineStyle(std::size_t line) {
    return line < PlayType::Count ? PlayTypes[line].chart : AllPassesStyle;
}

QStringList PlayTypeRow::cells() const {
    const PassingLine<QString>& counts = texts.counts;
    return {name,         counts.attempts,  counts.completions, texts.percentage,
            counts.yards, texts.perAttempt, counts.touchdowns,  counts.interceptions,
            texts.rating};
}

std::vector<int> playedSeasons(const std::vector<SeasonStats>& seasons) {
    std::vector<int> numbers;
    for (int number = 1; static_cast<std::size_t>(number) <= seasons.size(); ++number)
        if (isPlayed(seasons, number))
            numbers.push_back(number);
    return numbers;
}

std::vector<PlayTypeRow> playTypeRows(const std::vector<SeasonStats>& seasons, int span,
                                      const QString& point) {
    if (playedSeasons(seasons).empty() || (span != CareerSpan && !isPlayed(seasons, span)))
        return {};
    std::vector<PlayTypeRow> rows;
    for (std::size_t line = 0; line < ViewLineCount; ++line)
        rows.push_back(
            {viewLineName(line), columnPassingTexts(spanLine(seasons, span, line), point)});
    return rows;
}
